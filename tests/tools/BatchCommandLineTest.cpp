// SPDX-License-Identifier: MIT
#include "BatchCommandLine.h"
#include "TestSupport.h"

#include "codec/PictureTypeTable.h"

namespace {

TEST(BatchCommandLineTest, ReadsOptionsInBothFormsAndFilesAfterTheDoubleDash) {
    QString error;
    const auto line = ParseBatchCommandLine({"--set", "width=640", "--set=dest=out dir", "--answer",
                                             "yes-to-all", "--desktop-size=1600x1200", "--jobs",
                                             "3", "a.jpg", "--", "-b.jpg", "--set"},
                                            error);
    ASSERT_TRUE(line) << qPrintable(error);
    using Set = std::pair<QString, QString>;
    EXPECT_EQ(line->sets, (std::vector<Set>{{"width", "640"}, {"dest", "out dir"}}));
    ASSERT_TRUE(line->desktopSize);
    EXPECT_EQ(
        std::tuple(line->answer, line->desktopSize->width, line->desktopSize->height, line->jobs),
        std::tuple(BatchCommandLine::AnswerPolicy::YesToAll, 1600, 1200, 3));
    EXPECT_EQ(line->files, (QStringList{"a.jpg", "-b.jpg", "--set"}));
}

TEST(BatchCommandLineTest, RefusesWhatItCannotUseAndNamesIt) {
    const std::pair<QStringList, const char*> cases[] = {
        {{"--answer", "maybe"}, "maybe"},     {{"--desktop-size", "1600"}, "1600"},
        {{"--desktop-size", "0x10"}, "0x10"}, {{"--jobs", "0"}, "--jobs"},
        {{"--set", "width"}, "width"},        {{"--set"}, "--set"},
        {{"--colour", "x.jpg"}, "--colour"},  {{"-x.jpg"}, "-x.jpg"},
        {{"--also", "width"}, "width"},       {{"--null", "x.jpg"}, "--files-from"},
        {{"--files-from="}, "--files-from"},  {{"--mail", "--also", "width=1"}, "--mail"},
    };
    for (const auto& [arguments, named] : cases) {
        QString error;
        EXPECT_FALSE(ParseBatchCommandLine(arguments, error)) << qPrintable(arguments.join(' '));
        EXPECT_TRUE(error.contains(QString::fromUtf8(named))) << qPrintable(error);
    }
}

// A number option takes its number or the word for it, as a user would
// write it (fit=pad); a word it has none of is refused with those it has.
TEST(BatchCommandLineTest, SetsKnownFieldsByNumberOrByTheirValuesNames) {
    ResizeSettings s;
    QString error;
    s.dest = u"out"_s;
    EXPECT_TRUE(ApplyBatchSetting(s, "qualilty", "55", error) &&
                ApplyBatchSetting(s, "dest", "", error) &&
                ApplyBatchSetting(s, "ydpi", "65535", error));
    EXPECT_EQ(std::tuple(s.qualilty, s.dest, s.ydpi), std::tuple(55u, QString(), 65535u));
    EXPECT_TRUE(CheckBatchSettings(s, error));

    // Each word as the field's stored number, read back the way settings are.
    const std::tuple<const char*, const char*, uint32_t> named[] = {
        {"fit", "pad", 2},          {"anchor", "attention", 1},     {"anchor", "Center", 0},
        {"imagetype", "png", 5},    {"imagetype", "JPEG", 1},       {"onexists", "keep-both", 1},
        {"metadata", "private", 1}, {"mailmetadata", "profile", 2}, {"side", "shorter", 2},
        {"rotate", "right", 2},     {"wpercent", "pixels", 0},
    };
    for (const auto& [name, value, number] : named) {
        const ResizeSettingsField& field = *FindResizeSettingsField(QString::fromUtf8(name));
        field.set(s, number == 0 ? 1 : 0);
        EXPECT_TRUE(ApplyBatchSetting(s, name, value, error)) << qPrintable(error);
        EXPECT_EQ(field.get(s), number) << name << "=" << value;
    }
    // The words for the written types are the extensions their results get.
    const QStringList types = ResizeSettingValueNames(u"imagetype"_s);
    for (uint32_t code = 1; code < uint32_t(types.size()); ++code)
        EXPECT_EQ(types[code], PictureTypeTable::Extension(code).remove(u'.'));

    const std::pair<const char*, const char*> refused[] = {
        {"quality", "55"},       {"width", "abc"}, {"width", "-5"},
        {"width", "4294967296"}, {"height", ""},   {"rotate", "1.5"},
        {"Width", "5"},          {"fit", "pda"},   {"override", "yes"},
    };
    for (const auto& [name, value] : refused) {
        EXPECT_FALSE(ApplyBatchSetting(s, name, value, error)) << name << "=" << value;
        EXPECT_TRUE(error.contains(QString::fromUtf8(name))) << qPrintable(error);
    }
    ApplyBatchSetting(s, "fit", "pda", error);
    EXPECT_TRUE(error.contains(u"stretch, fill, pad"_s)) << qPrintable(error);
    EXPECT_EQ(s.width, 100u);
}

// Numbers that parse but no batch can use name their option and its range,
// judged after every --set (a later unit decides a size's range).
TEST(BatchCommandLineTest, NumbersOutsideTheirRangeNameTheRange) {
    const std::pair<std::vector<std::pair<const char*, const char*>>, const char*> cases[] = {
        {{{"qualilty", "300"}}, "--set qualilty: 300 is not from 0 to 100"},
        {{{"xdpi", "4294967295"}}, "--set xdpi: 4294967295 is not from 1 to 65535"},
        {{{"imagetype", "12"}}, "--set imagetype: 12 is not from 0 to 11"},
        {{{"width", "20000"}}, "--set width: 20000 is not from 1 to 10000"},
        {{{"width", "20000"}, {"wpercent", "0"}}, ""},
        {{{"height", "0"}, {"hpercent", "0"}}, "--set height: 0 is not from 1 to 65535"},
    };
    for (const auto& [sets, message] : cases) {
        ResizeSettings s;
        QString error;
        for (const auto& [name, value] : sets)
            ASSERT_TRUE(ApplyBatchSetting(s, name, value, error)) << qPrintable(error);
        EXPECT_EQ(CheckBatchSettings(s, error), !*message) << message;
        EXPECT_EQ(error, QString::fromUtf8(message));
    }
}

} // namespace
