#include "common/tool_table.h"
#include "tests/support/memory_settings_store.h"

#include <gtest/gtest.h>

namespace zr {

namespace {

TEST(ToolTable, ExpandsEachTemplateWordOnce) {
    ToolValues values;
    values.device = QStringLiteral("/dev/sdz1");
    values.label = QStringLiteral("{device} zwei");
    values.args = {QStringLiteral("a b"), QStringLiteral("-c")};
    const struct {
        const char* words;
        QStringList expected;
    } cases[] = {
        {"cmd {args} ende", {"cmd", "a b", "-c", "ende"}},
        {"cmd -- {device} {label}", {"cmd", "--", "/dev/sdz1", "{device} zwei"}},
        {R"(cmd "--name={label}")", {"cmd", "--name={device} zwei"}},
        {"cmd {mount} x", {"cmd", "x"}},
        {"cmd {unbekannt} {{device}} a}{device}",
         {"cmd", "{unbekannt}", "{/dev/sdz1}", "a}/dev/sdz1"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ToolTable::expand(QString::fromUtf8(c.words), values), c.expected) << c.words;
}

TEST(ToolTable, SettingsOverrideTheBuiltInTemplate) {
    test::MemorySettingsStore settings;
    const ToolTable tools(settings);
    EXPECT_EQ(tools.template_for(QStringLiteral("label.exe")),
              QStringLiteral("fatlabel -- {device} {label}"));
    settings.put(QStringLiteral("tools"), QStringLiteral("label.exe"),
                 QStringLiteral("mlabel -i {device} ::{label}"));
    EXPECT_EQ(tools.template_for(QStringLiteral("label.exe")),
              QStringLiteral("mlabel -i {device} ::{label}"));
    EXPECT_FALSE(tools.template_for(QStringLiteral("label.exe/q")).has_value());
}

TEST(ToolTable, KnowsTheToolsByBaseNameInAnyCase) {
    for (const char* name : {"FORMAT.COM", "label.exe", "LABEL.EXE", "ScanDskW.exe", "defrag.exe",
                             "ST5UNST.EXE", "dos.exe"})
        EXPECT_TRUE(ToolTable::is_tool(QString::fromUtf8(name))) << name;
    for (const char* name : {"format", "label", "zrtask.exe", "explorer"})
        EXPECT_FALSE(ToolTable::is_tool(QString::fromUtf8(name))) << name;
}

} // namespace

} // namespace zr
