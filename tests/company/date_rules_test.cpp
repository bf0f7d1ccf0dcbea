#include "company/date_rules.h"
#include <gtest/gtest.h>

using namespace folio::company;

namespace {

TEST(DateRules, RecognisesTheUsEnglishForms) {
    const struct {
        const char* text;
        bool date;
    } cases[] = {
        {"1/5/06", true},      {"1/5/2006", true},        {"01/05/2006", true},
        {"12/31/2006", true},  {"2006-01-05", true},      {"January 5, 2006", true},
        {"Jan 5, 2006", true}, {"1-5-2006", true},        {"5-Jan-2006", true},
        {" 2/28/2006 ", true}, {"2/29/2008", true},       {"", false},
        {"   ", false},        {"hello", false},          {"31/31/06", false},
        {"2/30/2006", false},  {"2/29/2006", false},      {"13/1/2006", false},
        {"1/5", false},        {"1/5/2006 hello", false}, {"Janaury 5, 2006", false},
        {"2006", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(isRecognisedDate(QString::fromLatin1(c.text)), c.date) << c.text;
    }
}

} // namespace
