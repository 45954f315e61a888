// The update check, the first block of StartupRoutine: reads the forum's update page, and when
// the version announced after the marker "最新版本：" differs from this program's, offers to
// open the page in the browser.
#pragma once

extern const char kCurrentVersion[];  // "V1.4"
extern const char kUpdatePageUrl[];   // the update page, fragment included

// The check against kUpdatePageUrl.
void UpdateCheck();
// The same check against another page (a copy of the update page elsewhere).
void UpdateCheck(const char* pageUrl);
