// What the report windows need from the window that opens them (the main
// window): its input date and calendar, its conversions and its look. The
// reports depend on this interface, not on the main window itself.
#pragma once

#include <QString>
#include <QWidget>
#include <cstdint>

#include "calendar/Dee.h"
#include "core/ProposalShelf.h"

namespace orv {

class ReportHost {
 public:
  virtual ~ReportHost() = default;

  // Reads the typed date afresh, as Calculate does: checks it and finds its
  // day (CurrentJDN(), GetYear()), showing any message. False when refused.
  virtual bool ReadInputDay() = 0;
  virtual int32_t GetYear() const = 0;
  virtual int32_t CurrentJDN() const = 0;
  virtual int32_t TextBoxCapacityInKB() const = 0;
  virtual DeeVersion DeeVersionInUse() const = 0;
  // Moves the input to the day and calculates, as a typed day number does;
  // a day the input cannot show gets a message and changes nothing.
  virtual void GoToDay(int32_t jdn) = 0;

  // The host window (for colours and icon) and where a report window opens:
  // its outer top-left corner, in screen pixels.
  virtual QWidget* HostWindow() = 0;
  virtual QPoint ReportWindowPosition() const = 0;

  // The calendar definitions (read at start, made or imported since) and
  // which of them the user compares; after a change the windows that show
  // the compared ones (the calendars window) are told.
  virtual ProposalShelf& Proposals() = 0;
  virtual void ProposalsChanged() = 0;
};

}  // namespace orv
