#define DOCTEST_CONFIG_IMPLEMENT_WITH_MAIN
#include <doctest.h>

#include "WideText.h"

#include <windows.h>

#include <cstdio>

namespace {

// Names each test the build skips, with its reason: doctest only counts them.
struct SkippedTests : doctest::IReporter {
    explicit SkippedTests(const doctest::ContextOptions&) {}
    void test_case_skipped(const doctest::TestCaseData& test) override {
        // Those left out by a command line's filters are not skipped by the build.
        if (test.m_skip) std::printf("skipped: %s: %s\n", test.m_name, test.m_description ? test.m_description : "");
    }
    void report_query(const doctest::QueryData&) override {}
    void test_run_start() override {}
    void test_run_end(const doctest::TestRunStats&) override {}
    void test_case_start(const doctest::TestCaseData&) override {}
    void test_case_reenter(const doctest::TestCaseData&) override {}
    void test_case_end(const doctest::CurrentTestCaseStats&) override {}
    void test_case_exception(const doctest::TestCaseException&) override {}
    void subcase_start(const doctest::SubcaseSignature&) override {}
    void subcase_end() override {}
    void log_assert(const doctest::AssertData&) override {}
    void log_message(const doctest::MessageData&) override {}
};

REGISTER_LISTENER("skipped", 1, SkippedTests);

}  // namespace

doctest::String doctest::StringMaker<std::wstring>::convert(const std::wstring& text) {
    const int size = static_cast<int>(text.size());
    std::string utf8(WideCharToMultiByte(CP_UTF8, 0, text.data(), size, nullptr, 0, nullptr, nullptr), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), size, utf8.data(), static_cast<int>(utf8.size()), nullptr, nullptr);
    return ('"' + utf8 + '"').c_str();
}
