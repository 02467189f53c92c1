// The budget's texts without a language file that has them: the English wording of the shipped
// English file, so a window on the built-in table never shows an empty caption.
#include "window/BudgetTexts.h"
#include "lang/LanguageTable.h"

#include <QDir>
#include <gtest/gtest.h>

namespace kthread {
namespace {

TEST(BudgetTexts, TheShippedEnglishFileHasTheWordingUsedWithoutOne) {
    const QString file =
        QDir(QStringLiteral(KTHREAD_LANGUAGES_FOLDER)).filePath(QStringLiteral("english_uk.lng"));
    ASSERT_TRUE(LoadLanguageFile(file));
    for (int number = kFirstBudgetText; number <= kLastBudgetText; ++number) {
        EXPECT_FALSE(EnglishBudgetText(number).isEmpty()) << number;
        EXPECT_EQ(LangText(number), EnglishBudgetText(number)) << "text " << number;
    }
    ASSERT_TRUE(LoadBuiltInLanguage());
    for (int number = kFirstBudgetText; number <= kLastBudgetText; ++number) {
        EXPECT_TRUE(LangText(number).isEmpty()) << number;
        EXPECT_EQ(BudgetText(number), EnglishBudgetText(number)) << number;
    }
    EXPECT_TRUE(EnglishBudgetText(kFirstBudgetText - 1).isEmpty());
    EXPECT_TRUE(EnglishBudgetText(kLastBudgetText + 1).isEmpty());
}

TEST(BudgetTexts, ATranslationWins) {
    LoadLanguageBytes(QByteArrayLiteral("0001=x\r\n0155=einfache Akzeptanz\r\n"));
    EXPECT_EQ(BudgetText(SimpleAcceptanceRule), QStringLiteral("einfache Akzeptanz"));
    EXPECT_EQ(BudgetText(GuardBandedRule), QStringLiteral("guard-banded (ISO 14253-1)"));
    ASSERT_TRUE(LoadBuiltInLanguage());
}

} // namespace
} // namespace kthread
