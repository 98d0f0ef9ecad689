#include "ui_services/weblink.h"

#include <gtest/gtest.h>

#include "tests/PrintQString.h"
#include "ui_services/ShellOpen.h"

namespace orv {
namespace {

TEST(WebLink, FileExtensionOfTheLastComponent) {
  struct Case {
    const char* path;
    bool lower;
    const char* extension;
  };
  const Case cases[] = {{"C:\\Docs\\Read.Me.TXT", true, "txt"},
                        {"C:\\Docs.d\\Readme", true, ""},
                        {"readme", true, ""},
                        {"", true, ""}};
  for (const Case& c : cases) EXPECT_EQ(GetFileExtension(c.path, c.lower), c.extension) << c.path;
}

TEST(WebLink, FailureMessagesExplainTheCommonCauses) {
  const QString address = "http://www.publisher.com/";
  const auto message = [&](int code) { return BrowserFailureMessage(code, address); };
  EXPECT_EQ(message(31).text,
            "Error launching web browser, error code = 31.\r\n\r\n"
            "File extension 'com/' is not associated with any application program.");
  EXPECT_EQ(message(2).text,
            "Error launching web browser, error code = 2.\r\n\r\nPlease try once more.");
  EXPECT_EQ(message(0).text, "Error launching web browser, error code = 0.");
  EXPECT_EQ(message(32).title, "Cannot launch web browser");
  EXPECT_EQ(message(32).style, MessageStyle::kExclamation);
}

TEST(WebLink, OnlyAFailedLaunchIsReported) {
  MessageBoxRecorder messages;
  QString opened;
  int code = 42;
  SetBrowserOpener([&](const QString& address) {
    opened = address;
    return code;
  });
  OpenWebAddress("http://www.orvantis.example/manual");
  EXPECT_EQ(opened, "http://www.orvantis.example/manual");
  EXPECT_TRUE(messages.requests.empty());
  for (int failure : {2, 31, 5}) {
    code = failure;
    OpenWebAddress("http://www.orvantis.example/manual");
    EXPECT_EQ(messages.requests.back(), BrowserFailureMessage(failure, opened));
  }
  EXPECT_EQ(messages.requests.size(), size_t{3});
  SetBrowserOpener(nullptr);
}

}  // namespace
}  // namespace orv
