// SPDX-License-Identifier: MIT
#include "codec/PictureTypeTable.h"
#include "TestSupport.h"
#include "codec/Image.h"

namespace {

TEST(PictureTypeTableTest, PictureNamesAreThoseWhoseExtensionBeginsWithATableExtension) {
    const std::pair<const char*, bool> cases[] = {
        {"a.JPG", true},     {"b.tif", true},       {"c.tiff", true},       {"d.jpgx", true},
        {"e.txt", false},    {"f", false},          {"g.png.txt", false},   {".pcx", true},
        {"h.Jpeg", true},    {"i.ico", true},       {"jpg", false},         {"k.gif", true},
        {"l.HEIF", true},    {"m.jxl", true},       {"n.web", false},       {"o.avifs", true},
        {"p.jpeg123", true}, {"q.jpeg1234", false}, {"r.jpeg12345", false}, {"s.JFIF", true},
        {"t.jpe", true},     {"u.tifx", false},     {"v.jfi", false},
    };
    for (const auto& [name, picture] : cases)
        EXPECT_EQ(PictureTypeTable::IsPictureFileName(QString::fromUtf8(name)), picture) << name;
}

} // namespace
