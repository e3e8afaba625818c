// SPDX-License-Identifier: MIT
#include "platform/FileName.h"
#include "TestSupport.h"

namespace {

// A file manager's URIs of chosen files, back to the paths they name,
// escaped bytes and all (percent signs: the menu program's Nautilus
// test); what names no file of this computer is no path.
TEST(FileNameTest, AFileUriGivesItsPathByteForByte) {
    const std::pair<const char*, QString> cases[] = {
        {"file://localhost/p/%C3%A9t%C3%A9.tif", u"/p/\u00e9t\u00e9.tif"_s},
        {"file:///p/%E9t%E9.jpg", DecodeFileName("/p/\xe9t\xe9.jpg")},
        {"file:///p/line%0Abreak.jpg", u"/p/line\nbreak.jpg"_s},
        {"smb://host/share/x.jpg", QString()},
        {"trash:///x.jpg", QString()},
        {"file://host/x.jpg", QString()},
        {"file:x.jpg", QString()},
        {"/p/x.jpg", QString()},
    };
    for (const auto& [uri, path] : cases)
        EXPECT_EQ(FileNameFromUri(uri), path) << uri;
}

} // namespace
