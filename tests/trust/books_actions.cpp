#include "books_actions.h"
#include "statements/company_info.h"
#include <QAbstractItemView>
#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QTest>

std::vector<AccountRecord> smallChart() {
    return readChart(QStringLiteral(FOLIO_TEST_DATA "/small.chart"));
}

void ActionsFixture::chooseRecord(int record) {
    showFresh(ui::Tab::Setup);
    for (int r = 1; r < record; ++r) {
        click("cmdNext");
    }
}

void ActionsFixture::clearBalances() {
    setText("txtCurrentBalance", "0");
    setText("txtYtdBalance", "0");
    click("cmdNext");
    click("cmdPrevious");
}

void ActionsFixture::deleteShown() {
    dialogs.yesNoAnswers.push_back(true);
    click("cmdDelete");
}

void ActionsFixture::closeBooks(bool yearly) {
    showTab(ui::Tab::BalanceSheet);
    dialogs.yesNoAnswers.push_back(true);
    QTest::mouseClick(find<QCheckBox>(yearly ? "chkYearly" : "chkMonthly"), Qt::LeftButton);
}

void ActionsFixture::reopenPeriod() {
    dialogs.inputAnswers.push_back("the month goes on");
    find<QAction>("mnuReopenPeriod")->trigger();
}

QStringList ActionsFixture::reported() const {
    QStringList texts;
    for (const ShownDialog& shown : dialogs.shown) {
        if (shown.kind != ShownDialog::Kind::YesNo && !shown.text.contains("books were closed")) {
            texts << shown.text;
        }
    }
    return texts;
}

QStringList ActionsFixture::temporaryFiles() const {
    // The journal's own files in the making are the journal's to clear (at Select File).
    QStringList found = QDir(dir.path()).entryList({"*.tmp", "*.TMP", "*.TMP~"}, QDir::Files);
    found.removeIf([](const QString& name) { return name.contains(".journal"); });
    return found;
}

std::vector<WritingAction> ActionsFixture::writingActions() {
    const QString books = path("books.dat");
    const auto fresh = [this, books] {
        selectFile(path("elsewhere.dat"));
        for (const QString& name : QDir(dir.path()).entryList(QDir::Files)) {
            QFile::remove(path(name)); // the books, their copies and journals: all anew
        }
        writeAccounts(books, smallChart());
        selectFile(books);
    };
    const auto closing = [this, fresh] {
        fresh();
        fillCompany();
        showFresh(ui::Tab::BalanceSheet);
    };
    return {
        {"save",
         [this, fresh] {
             fresh();
             showFresh(ui::Tab::Setup);
             setText("txtAcctName", "Petty Cash");
         },
         [this] { click("cmdNext"); },
         books,
         {}},
        {"new", // on books without a blank record at the end, so New appends one
         [this, books, fresh] {
             fresh();
             std::vector<AccountRecord> chart = smallChart();
             chart.pop_back();
             writeAccounts(books, chart);
             selectFile(books);
             chooseRecord(1);
         },
         [this] { click("cmdNew"); },
         books,
         {}},
        {"post",
         [this, fresh] {
             fresh();
             showFresh(ui::Tab::Posting);
             choose(1);
             setText("txtPostDebit", "250");
         },
         [this] { click("cmdOKPost"); },
         books,
         {}},
        {"delete",
         [this, fresh] {
             fresh();
             chooseRecord(3);
             clearBalances();
         },
         [this] { deleteShown(); },
         books,
         {}},
        {"monthly closing", closing, [this] { closeBooks(false); }, books + " closed monthly",
         books},
        {"yearly closing", closing, [this] { closeBooks(true); }, books + " closed ytd", books},
    };
}
