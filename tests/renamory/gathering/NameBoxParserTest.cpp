#include <gtest/gtest.h>

#include "renamory/gathering/NameBoxParser.h"

#include <string>
#include <vector>

namespace {

TEST(NameBoxParser, FolderPrefixEndsInOneBackslash) {
    EXPECT_EQ(L"C:\\", FolderPrefix(L"C:\\"));
    EXPECT_EQ(L"C:\\Data\\", FolderPrefix(L"C:\\Data"));
    EXPECT_EQ(L"\\", FolderPrefix(L""));
}

TEST(NameBoxParser, TurnsTheNameBoxIntoFullPaths) {
    struct Case {
        const char* name;
        std::wstring prefix;
        std::wstring text;
        std::vector<std::wstring> paths;
    };
    const Case cases[] = {
        {"two quoted names", L"C:\\Data\\", L"\"a.txt\" \"b.txt\"", {L"C:\\Data\\a.txt", L"C:\\Data\\b.txt"}},
        {"as the dialog writes them, with a trailing space", L"C:\\Data\\", L"\"a.txt\" \"b.txt\" ",
         {L"C:\\Data\\a.txt", L"C:\\Data\\b.txt"}},
        {"one unquoted name", L"C:\\Data\\", L"report 2.txt", {L"C:\\Data\\report 2.txt"}},
        {"an empty box gives the prefix alone", L"C:\\Data\\", L"", {L"C:\\Data\\"}},
        {"two spaces between quoted names keep the second", L"C:\\", L"\"a.txt\"  \"b.txt\"",
         {L"C:\\a.txt", L"C:\\ ", L"C:\\b.txt"}},
        {"text after the last quote is dropped", L"C:\\", L"\"a.txt\" \"b.txt", {L"C:\\a.txt"}},
        {"a first character that is not a quote", L"C:\\", L"x\"a.txt\"", {L"C:\\x", L"C:\\a.txt"}},
        {"a first space has no quote before it and stays", L"C:\\", L" \"a.txt\"", {L"C:\\ ", L"C:\\a.txt"}},
        {"a space right after an opening quote goes", L"C:\\", L"\" a.txt\"", {L"C:\\a.txt"}},
        {"spaces inside a quoted name stay", L"C:\\", L"\"my file.txt\"", {L"C:\\my file.txt"}},
        {"empty quotes give nothing", L"C:\\", L"\"\"", {}},
        {"drive root prefix", L"C:\\", L"\"a\" \"b\"", {L"C:\\a", L"C:\\b"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.paths, ParseNameBox(c.prefix, c.text));
    }
}

}  // namespace
