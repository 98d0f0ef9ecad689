/*
 * vellum: numbered program texts, loaded from a text file and looked up by
 * number, so that captions, addresses and file names live outside the code.
 *
 * The file format
 *   - UTF-8 text (an initial byte-order mark is skipped), lines ended by LF or
 *     CR LF, at most VELLUM_MAX_LINES lines.
 *   - A line that is empty, holds only spaces and tabs, or whose first
 *     non-blank character is '#' is a comment.
 *   - Every other line is: a text number (decimal digits, 0 to 32767), one
 *     space or tab, then the text itself to the end of the line, exactly as
 *     written (it may begin with spaces). At most VELLUM_MAX_TEXT_BYTES bytes.
 *   - A text consisting of the single character '~' stands for the empty text
 *     (vellum stores it as written; the program's lookup turns it into "").
 *   - A number may appear only once in a file. A text loaded from a later file
 *     replaces the text of the same number from an earlier one.
 *
 *   # Orvantis program texts
 *   18 Copy result to clipboard
 *   273 Software
 *
 * The load is all or nothing: on any error the texts loaded before stay as
 * they were.
 */
#ifndef ORV_PLATFORM_VELLUM_H
#define ORV_PLATFORM_VELLUM_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#define VELLUM_MAX_TEXT_BYTES 1024
#define VELLUM_MAX_LINES 500
#define VELLUM_MAX_FILE_BYTES (VELLUM_MAX_LINES * (VELLUM_MAX_TEXT_BYTES + 8))

/* Results of vellum_load: a positive count of texts, or one of these. */
enum {
  VELLUM_NOTHING_READ = 0,        /* the file holds no text, only comments */
  VELLUM_CANNOT_OPEN = -1,        /* the file cannot be opened */
  VELLUM_NO_MEMORY_FOR_TEXT = -2, /* a text could not be stored */
  VELLUM_TOO_MUCH_TEXT = -3,      /* more than VELLUM_MAX_LINES lines or bytes */
  VELLUM_NOT_RECOVERED = -4,      /* a text is not valid UTF-8 */
  VELLUM_MALFORMED_LINE = -5,     /* a line that is not a comment begins without a number */
  VELLUM_EMPTY_FILE = -6,         /* the file has no bytes */
  VELLUM_READ_ERROR = -7,         /* reading the file failed */
  VELLUM_NO_MEMORY = -8,          /* the file could not be held in memory */
  VELLUM_MISSING_BASE = -500,     /* -500 - n: line n has a number but no text */
  VELLUM_TOO_LONG_BASE = -1000,   /* -1000 - n: line n's text is too long */
  VELLUM_DUPLICATE_BASE = -1500   /* -1500 - n: line n repeats an earlier number */
};

/* Loads the texts of the file at path (UTF-8). selector is reserved (0). */
int32_t vellum_load(const char* path, int32_t selector);

/*
 * Copies the text of number into buffer (UTF-8, at most buffer_size bytes,
 * NUL-terminated when there is room) and returns its length in bytes, or 0
 * when there is no such text. selector and mode are reserved (0 and 1).
 */
int32_t vellum_get(int16_t number, int16_t selector, char* buffer, int32_t buffer_size,
                   int32_t mode);

/* Forgets every text loaded. */
void vellum_clear(void);

#ifdef __cplusplus
}
#endif

#endif /* ORV_PLATFORM_VELLUM_H */
