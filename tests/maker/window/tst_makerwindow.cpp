// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The question-file maker's window driven as a learner drives it, drafting
// through a fake engine: the table, its marks and the preview, saving, and
// the dictionaries' life.
#include "FakeEngine.h"
#include "deck/QuestionFile.h"
#include "maker/Drafter.h"
#include "maker/window/CardPreview.h"
#include "maker/window/DraftTableModel.h"
#include "maker/window/MakerWindow.h"
#include "maker/window/ReadingDelegate.h"
#include "ui/AccentLine.h"
#include "ui/CardLabel.h"
#include "ui/Fonts.h"
#include "ui/FormLayout.h"

#include <QAbstractButton>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

using namespace lexiwren;
using namespace lexiwren::maker;
using namespace Qt::StringLiterals;

namespace {

struct Maker
{
    FakeEngine engine;
    QTemporaryDir folder;
    std::unique_ptr<MakerWindow> window;

    Maker()
    {
        window = std::make_unique<MakerWindow>([this] { return folder.path(); }, engine.loader());
    }

    void show()
    {
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }

    // Pastes the words and presses the draft button.
    void draft(const QString &words)
    {
        window->wordBox()->setPlainText(words);
        QSignalSpy ready(window.get(), &MakerWindow::draftsReady);
        QTest::mouseClick(window->draftButton(), Qt::LeftButton);
        QVERIFY(ready.wait(10000));
    }

    void save(const QString &name)
    {
        window->nameBox()->setText(name);
        QTest::mouseClick(window->saveButton(), Qt::LeftButton);
    }

    QStringList files() const { return QDir(folder.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name); }
};

QString cell(const MakerWindow &window, int row, int column, int role = Qt::DisplayRole)
{
    return window.model()->index(row, column).data(role).toString();
}

// The question asked on closing with unsaved drafts, once it shows.
QMessageBox *closeQuestion(QWidget *window)
{
    auto *question = window->findChild<QMessageBox *>(u"CloseQuestion"_s);
    return question && question->isVisible() ? question : nullptr;
}

QStringList numberedWords(int count)
{
    QStringList words{u"look up"_s};
    for (int word = 2; word <= count; ++word)
        words << u"w%1"_s.arg(word);
    return words;
}

// The columns of the cell's pure accent red, as the table paints it.
QPair<int, int> redColumns(QTableView *table, const QModelIndex &index)
{
    const QImage image = table->viewport()->grab(table->visualRect(index)).toImage();
    int first = -1;
    int last = -1;
    for (int x = 0; x < image.width(); ++x)
        for (int y = 0; y < image.height(); ++y)
            if (image.pixelColor(x, y) == AccentLineColor) {
                first = first < 0 ? x : first;
                last = x;
                break;
            }
    return {first, last};
}

} // namespace

class TestMakerWindow : public QObject
{
    Q_OBJECT

private slots:
    void draftsFillTheTableAndMarkFlaggedRows();
    void editingACellRedrawsTheMarks_data();
    void editingACellRedrawsTheMarks();
    void savesIntoTheFolderInFilesOfAtMost99_data();
    void savesIntoTheFolderInFilesOfAtMost99();
    void existingFilesAreReplacedOnlyWhenTheLearnerSaysSo_data();
    void existingFilesAreReplacedOnlyWhenTheLearnerSaysSo();
    void aMissingDictionaryIsShownInTheWindow();
    void closingWithUnsavedDraftsAsksFirst_data();
    void closingWithUnsavedDraftsAsksFirst();
    void closingGivesTheDictionariesBack_data();
    void closingGivesTheDictionariesBack();
    void keyboardReachesEveryControlByName();
};

void TestMakerWindow::draftsFillTheTableAndMarkFlaggedRows()
{
    Maker maker;
    maker.show();
    QVERIFY(!maker.window->dictionariesLoaded() || maker.engine.loads == 1);
    maker.draft(u"  apple \n\nrecord\napple\nzzxq\n"_s);

    // On worker threads, never the window's.
    QVERIFY(maker.engine.loadThread.load() != nullptr);
    QVERIFY(maker.engine.loadThread.load() != QThread::currentThreadId());
    QVERIFY(maker.engine.draftThread.load() != QThread::currentThreadId());
    QCOMPARE(maker.engine.loads.load(), 1);

    const MakerWindow &window = *maker.window;
    QCOMPARE(window.model()->rowCount(), 3);
    QCOMPARE(cell(window, 0, DraftTableModel::EnglishColumn), u"apple"_s);
    QCOMPARE(cell(window, 1, DraftTableModel::ReadingColumn), u"レコード"_s);
    QCOMPARE(cell(window, 2, DraftTableModel::EnglishColumn), u"zzxq"_s);
    QCOMPARE(window.progressBar()->value(), window.progressBar()->maximum());

    // Colour and text both, the row's number too.
    const QAbstractItemModel &model = *window.model();
    QVERIFY(!model.index(0, DraftTableModel::EnglishColumn).data(Qt::BackgroundRole).isValid());
    QCOMPARE(cell(window, 0, DraftTableModel::CheckColumn), QString());
    QCOMPARE(model.headerData(0, Qt::Vertical).toString(), u"1"_s);
    for (int row : {1, 2})
        for (int column = 0; column < DraftTableModel::ColumnCount; ++column)
            QCOMPARE(model.index(row, column).data(Qt::BackgroundRole).value<QColor>(), FlaggedRowColor);
    QCOMPARE(cell(window, 1, DraftTableModel::CheckColumn), u"要確認："_s + flagText(Flag::SeveralPronunciations));
    QCOMPARE(cell(window, 2, DraftTableModel::CheckColumn),
             u"要確認："_s + flagText(Flag::NotInDictionaries) + u"、"_s + flagText(Flag::NoMeaning));
    QCOMPARE(model.headerData(2, Qt::Vertical).toString(), u"！3"_s);
    QVERIFY2(window.statusLabel()->text().contains(u"確認が要る行：2"_s), qPrintable(window.statusLabel()->text()));

    // The first card is selected and previewed.
    QCOMPARE(window.preview()->word()->text(), u"apple"_s);
    QCOMPARE(window.preview()->reading()->text(), u"アップル"_s);
    QCOMPARE(window.preview()->meaning()->text(), u"りんご"_s);
}

void TestMakerWindow::editingACellRedrawsTheMarks_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("firstMarked"); // character index the mark starts under
    QTest::addColumn<int>("marked");      // characters the mark covers
    // record starts as レコード with code 1.
    QTest::newRow("accent to the third kana") << int(DraftTableModel::AccentColumn) << u"2"_s << 2 << 1;
    QTest::newRow("code above 10 marks two") << int(DraftTableModel::AccentColumn) << u"12"_s << 1 << 2;
    QTest::newRow("code that is no digit marks the first") << int(DraftTableModel::AccentColumn) << u"x"_s << 0 << 1;
    QTest::newRow("a longer reading keeps the code")
        << int(DraftTableModel::ReadingColumn) << u"リレコーディング"_s << 1 << 1;
    QTest::newRow("mark past the reading's end") << int(DraftTableModel::AccentColumn) << u"6"_s << 6 << 1;
}

void TestMakerWindow::editingACellRedrawsTheMarks()
{
    QFETCH(int, column);
    QFETCH(QString, typed);
    QFETCH(int, firstMarked);
    QFETCH(int, marked);

    Maker maker;
    maker.show();
    maker.draft(u"apple\nrecord"_s);
    MakerWindow &window = *maker.window;
    QTableView *table = window.table();
    const QModelIndex readingCell = window.model()->index(1, DraftTableModel::ReadingColumn);
    const QPair<int, int> redBefore = redColumns(table, readingCell);
    QVERIFY2(redBefore.first >= 0, "the table draws no mark");

    // As the learner edits: F2 on the cell, the new text, Enter.
    table->setFocus();
    table->setCurrentIndex(window.model()->index(1, column));
    QTest::keyClick(table, Qt::Key_F2);
    auto *editor = qobject_cast<QLineEdit *>(QApplication::focusWidget());
    QVERIFY(editor);
    editor->selectAll();
    editor->insert(typed);
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_COMPARE(cell(window, 1, column), typed);

    // The preview marks as the drill would: the reading label's own cells.
    const CardPreview &preview = *window.preview();
    QCOMPARE(preview.word()->text(), u"record"_s);
    const CardLabel::Cells cells = preview.reading()->characterCells();
    const auto cellLeft = [&](int index) {
        const qsizetype characters = cells.edges.size() - 1;
        return index <= characters ? cells.edges[index]
                                   : cells.edges.back() + static_cast<qreal>(index - characters) * cells.fullWidth;
    };
    const qreal left = preview.reading()->x();
    QVERIFY(preview.mark()->isVisibleTo(&window));
    QCOMPARE(qRound(preview.mark()->x1()), qRound(left + cellLeft(firstMarked)));
    QCOMPARE(qRound(preview.mark()->x2()), qRound(left + cellLeft(firstMarked + marked)));

    // The table's mark moved or grew by the same characters, in its own font.
    const QString reading = cell(window, 1, DraftTableModel::ReadingColumn);
    const QString accent = cell(window, 1, DraftTableModel::AccentColumn);
    const QLineF expected = ReadingDelegate::markLine(reading, accent, makeFont(FontFace::Mincho, 12.0), {});
    const QLineF before = ReadingDelegate::markLine(u"レコード"_s, u"1"_s, makeFont(FontFace::Mincho, 12.0), {});
    table->viewport()->repaint();
    const QPair<int, int> redAfter = redColumns(table, readingCell);
    QVERIFY(redAfter.first >= 0);
    QVERIFY2(qAbs((redAfter.first - redBefore.first) - (expected.x1() - before.x1())) <= 1,
             qPrintable(u"mark starts at %1, was %2"_s.arg(redAfter.first).arg(redBefore.first)));
    QVERIFY(qAbs((redAfter.second - redAfter.first + 1) - expected.length()) <= 1.5);
}

void TestMakerWindow::savesIntoTheFolderInFilesOfAtMost99_data()
{
    QTest::addColumn<int>("cards");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QList<int>>("counts");
    QTest::newRow("a few cards keep the name") << 3 << u"verbs.txt"_s << QStringList{u"verbs.txt"_s} << QList{3};
    QTest::newRow("the suffix is added") << 3 << u" 動詞 "_s << QStringList{u"動詞.txt"_s} << QList{3};
    QTest::newRow("99 cards in one file") << 99 << u"big.TXT"_s << QStringList{u"big.TXT"_s} << QList{99};
    QTest::newRow("100 cards in two") << 100 << u"big.txt"_s << QStringList{u"big-1.txt"_s, u"big-2.txt"_s}
                                      << QList{99, 1};
    QTest::newRow("250 cards in three") << 250 << u"big"_s
                                        << QStringList{u"big-1.txt"_s, u"big-2.txt"_s, u"big-3.txt"_s}
                                        << QList{99, 99, 52};
}

void TestMakerWindow::savesIntoTheFolderInFilesOfAtMost99()
{
    QFETCH(int, cards);
    QFETCH(QString, name);
    QFETCH(QStringList, expected);
    QFETCH(QList<int>, counts);

    Maker maker;
    maker.show();
    const QStringList words = numberedWords(cards);
    maker.draft(words.join(u'\n'));
    QSignalSpy saved(maker.window.get(), &MakerWindow::saved);
    maker.save(name);
    QCOMPARE(saved.size(), 1);
    QCOMPARE(saved.first().first().toStringList(), expected);
    // Nothing half-written beside them.
    QStringList sorted = expected;
    sorted.sort();
    QCOMPARE(maker.files(), sorted);

    // Each reads back with the drill's own loader, card for card.
    qsizetype word = 0;
    for (qsizetype file = 0; file < expected.size(); ++file) {
        const QuestionFileResult result = readQuestionFile(QDir(maker.folder.path()).filePath(expected[file]));
        const auto *contents = std::get_if<QuestionFileContents>(&result);
        QVERIFY2(contents, qPrintable(expected[file]));
        QCOMPARE(contents->lines.size(), counts[file]);
        for (const QString &line : contents->lines) {
            const Card card = cardFromLine(line);
            const Draft draft = maker.window->model()->drafts()[word];
            QCOMPARE(card[EnglishField], words[word]);
            QCOMPARE(card[ReadingField], draft.reading);
            QCOMPARE(card[AccentField], draft.accent);
            QCOMPARE(card[MeaningField], draft.meaning);
            ++word;
        }
    }
    QCOMPARE(word, cards);
}

void TestMakerWindow::existingFilesAreReplacedOnlyWhenTheLearnerSaysSo_data()
{
    QTest::addColumn<int>("cards");
    QTest::addColumn<QString>("existing");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("replaced");
    QTest::newRow("yes replaces") << 2 << u"list.txt"_s << int(QMessageBox::Yes) << true;
    QTest::newRow("no keeps") << 2 << u"list.txt"_s << int(QMessageBox::No) << false;
    QTest::newRow("escape keeps") << 2 << u"list.txt"_s << int(QMessageBox::Cancel) << false;
    QTest::newRow("one numbered file is enough to ask") << 120 << u"list-2.txt"_s << int(QMessageBox::No) << false;
}

void TestMakerWindow::existingFilesAreReplacedOnlyWhenTheLearnerSaysSo()
{
    QFETCH(int, cards);
    QFETCH(QString, existing);
    QFETCH(int, answer);
    QFETCH(bool, replaced);

    Maker maker;
    const QString path = QDir(maker.folder.path()).filePath(existing);
    {
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("old card line\n");
    }
    maker.show();
    maker.draft(numberedWords(cards).join(u'\n'));
    QSignalSpy saved(maker.window.get(), &MakerWindow::saved);
    maker.save(u"list"_s);

    // Asked first, naming the file; nothing written yet.
    QMessageBox *question = nullptr;
    QTRY_VERIFY((question = maker.window->findChild<QMessageBox *>(u"OverwriteQuestion"_s)) && question->isVisible());
    QVERIFY(question->text().contains(existing));
    QCOMPARE(question->windowModality(), Qt::WindowModal);
    QCOMPARE(maker.files(), QStringList{existing});
    if (answer == QMessageBox::Cancel)
        QTest::keyClick(question, Qt::Key_Escape);
    else
        QTest::mouseClick(question->button(static_cast<QMessageBox::StandardButton>(answer)), Qt::LeftButton);
    QTRY_VERIFY(!maker.window->findChild<QMessageBox *>(u"OverwriteQuestion"_s));

    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll() == "old card line\n", !replaced);
    QCOMPARE(saved.size(), replaced ? 1 : 0);
    if (!replaced)
        QCOMPARE(maker.files(), QStringList{existing});
}

void TestMakerWindow::aMissingDictionaryIsShownInTheWindow()
{
    Maker maker;
    const QString message = u"英語の発音辞書がありません。sudo apt install festlex-cmu"_s;
    maker.engine.error = message;
    maker.show();
    QTRY_VERIFY(maker.window->problemLabel()->isVisible());
    QCOMPARE(maker.window->problemLabel()->text(), message);
    QCOMPARE(maker.window->problemLabel()->textFormat(), Qt::PlainText);
    QVERIFY(!maker.window->dictionariesLoaded());

    // The draft button tries again, and a dictionary installed since is used.
    maker.engine.error.clear();
    maker.draft(u"apple"_s);
    QCOMPARE(maker.engine.loads.load(), 2);
    QVERIFY(!maker.window->problemLabel()->isVisible());
    QCOMPARE(maker.window->model()->rowCount(), 1);
}

enum class Before { Nothing, Drafted, Saved, EditedAfterSaving };

void TestMakerWindow::closingWithUnsavedDraftsAsksFirst_data()
{
    QTest::addColumn<Before>("before");
    QTest::addColumn<int>("answer");    // at the close question; NoButton: none is asked
    QTest::addColumn<int>("overwrite"); // at the overwrite question the save asks; NoButton: none
    QTest::addColumn<bool>("closes");
    QTest::addColumn<QString>("saved"); // the file's last card, empty: not written
    QTest::newRow("nothing drafted closes at once")
        << Before::Nothing << int(QMessageBox::NoButton) << int(QMessageBox::NoButton) << true << QString();
    QTest::newRow("saved drafts close at once")
        << Before::Saved << int(QMessageBox::NoButton) << int(QMessageBox::NoButton) << true << u"apple"_s;
    QTest::newRow("cancel keeps the window")
        << Before::Drafted << int(QMessageBox::Cancel) << int(QMessageBox::NoButton) << false << QString();
    QTest::newRow("escape keeps the window")
        << Before::Drafted << int(QMessageBox::Escape) << int(QMessageBox::NoButton) << false << QString();
    QTest::newRow("discard closes unsaved")
        << Before::Drafted << int(QMessageBox::Discard) << int(QMessageBox::NoButton) << true << QString();
    QTest::newRow("save writes, then closes")
        << Before::Drafted << int(QMessageBox::Save) << int(QMessageBox::NoButton) << true << u"apple"_s;
    QTest::newRow("an edit after saving asks again")
        << Before::EditedAfterSaving << int(QMessageBox::Save) << int(QMessageBox::Yes) << true << u"edited"_s;
    QTest::newRow("a save that does not overwrite keeps the window")
        << Before::EditedAfterSaving << int(QMessageBox::Save) << int(QMessageBox::No) << false << u"apple"_s;
}

void TestMakerWindow::closingWithUnsavedDraftsAsksFirst()
{
    QFETCH(Before, before);
    QFETCH(int, answer);
    QFETCH(int, overwrite);
    QFETCH(bool, closes);
    QFETCH(QString, saved);

    Maker maker;
    maker.show();
    MakerWindow &window = *maker.window;
    if (before != Before::Nothing)
        maker.draft(u"apple"_s);
    window.nameBox()->setText(u"list.txt"_s);
    if (before == Before::Saved || before == Before::EditedAfterSaving)
        QTest::mouseClick(window.saveButton(), Qt::LeftButton);
    if (before == Before::EditedAfterSaving)
        window.model()->setData(window.model()->index(0, DraftTableModel::EnglishColumn), u"edited"_s);

    window.close();
    QMessageBox *question = closeQuestion(&window);
    QCOMPARE(question != nullptr, answer != QMessageBox::NoButton);
    if (question) {
        QCOMPARE(question->windowModality(), Qt::WindowModal);
        QVERIFY(window.isVisible());
        if (answer == QMessageBox::Escape)
            QTest::keyClick(question, Qt::Key_Escape);
        else
            QTest::mouseClick(question->button(static_cast<QMessageBox::StandardButton>(answer)), Qt::LeftButton);
    }
    if (overwrite != QMessageBox::NoButton) {
        QMessageBox *replace = nullptr;
        QTRY_VERIFY((replace = window.findChild<QMessageBox *>(u"OverwriteQuestion"_s)) && replace->isVisible());
        QTest::mouseClick(replace->button(static_cast<QMessageBox::StandardButton>(overwrite)), Qt::LeftButton);
    }
    QTRY_COMPARE(window.isVisible(), !closes);
    QTRY_VERIFY(!closeQuestion(&window));
    QCOMPARE(window.hasUnsavedDrafts(), !closes);
    QCOMPARE(maker.files(), saved.isEmpty() ? QStringList() : QStringList{u"list.txt"_s});
    if (!saved.isEmpty()) {
        QFile file(QDir(maker.folder.path()).filePath(u"list.txt"_s));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY2(file.readAll().startsWith(saved.toUtf8() + ' '), qPrintable(saved));
    }
    if (before != Before::Nothing)
        QCOMPARE(window.model()->rowCount(), 1);
}

void TestMakerWindow::closingGivesTheDictionariesBack_data()
{
    QTest::addColumn<bool>("midDraft");
    QTest::newRow("after drafting") << false;
    QTest::newRow("while drafting") << true;
}

void TestMakerWindow::closingGivesTheDictionariesBack()
{
    QFETCH(bool, midDraft);
    FakeEngine engine;
    QTemporaryDir folder;
    QPointer<MakerWindow> window = new MakerWindow([&folder] { return folder.path(); }, engine.loader());
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    QSignalSpy ready(window.data(), &MakerWindow::dictionariesReady);
    QVERIFY(ready.wait(10000));
    QVERIFY(!engine.held.expired());
    window->wordBox()->setPlainText(numberedWords(midDraft ? 2000 : 5).join(u'\n'));
    engine.millisecondsPerWord = midDraft ? 2 : 0;
    QSignalSpy drafted(window.data(), &MakerWindow::draftsReady);
    QTest::mouseClick(window->draftButton(), Qt::LeftButton);
    if (!midDraft)
        QVERIFY(drafted.wait(10000));
    else
        QTRY_VERIFY(window->progressBar()->value() > 0);
    window->close();
    // Drafts in the table are thrown away at the question; none while drafting.
    QCOMPARE(closeQuestion(window) != nullptr, !midDraft);
    if (!midDraft)
        QTest::mouseClick(closeQuestion(window)->button(QMessageBox::Discard), Qt::LeftButton);
    QTRY_VERIFY(window.isNull());
    QVERIFY(engine.held.expired());
}

void TestMakerWindow::keyboardReachesEveryControlByName()
{
    Maker maker;
    maker.show();
    maker.draft(u"apple"_s);
    MakerWindow &window = *maker.window;
    // Alt+W goes back to the words.
    QTest::keyClick(&window, Qt::Key_W, Qt::AltModifier);
    QCOMPARE(QApplication::focusWidget(), window.wordBox());
    QList<QWidget *> visited;
    for (int step = 0; step < 7; ++step) {
        QWidget *focused = QApplication::focusWidget();
        visited << focused;
        QTest::keyClick(focused, Qt::Key_Tab);
    }
    const QList<QWidget *> order = {window.wordBox(),
                                    window.openButton(),
                                    window.draftButton(),
                                    window.table(),
                                    window.nameBox(),
                                    window.saveButton(),
                                    window.findChild<QPushButton *>(u"CloseButton"_s)};
    QCOMPARE(visited, order);
    for (QWidget *widget : order) {
        const auto *button = qobject_cast<QAbstractButton *>(widget);
        // A button's text is its name; the others have one of their own or a labelled buddy.
        QVERIFY2(button ? button->text().contains(u'&') : !widget->accessibleName().isEmpty(),
                 qPrintable(widget->objectName()));
    }

    // Alt+N goes to the name, Ctrl+S saves without the mouse.
    QTest::keyClick(&window, Qt::Key_N, Qt::AltModifier);
    QCOMPARE(QApplication::focusWidget(), window.nameBox());
    window.nameBox()->setText(u"keys.txt"_s);
    QTest::keyClick(window.nameBox(), Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(maker.files(), QStringList{u"keys.txt"_s});
}

QTEST_MAIN(TestMakerWindow)
#include "tst_makerwindow.moc"
