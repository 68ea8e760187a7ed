// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MakerWindow.h"

#include "CardPreview.h"
#include "DraftTableModel.h"
#include "ReadingDelegate.h"
#include "deck/TextDecoding.h"
#include "maker/Drafter.h"
#include "maker/Heap.h"
#include "ui/Fonts.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QThread>
#include <QVBoxLayout>

namespace lexiwren::maker {

namespace {

// A word list this long is not one the learner means.
constexpr qint64 MaxWordFileBytes = qint64(4) * 1024 * 1024;
// Progress is posted to the window every so many drafted words.
constexpr int ProgressStep = 20;

QLabel *buddyLabel(const QString &text, QWidget *buddy, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setBuddy(buddy);
    return label;
}

QString decodedWords(const QByteArray &bytes)
{
    QByteArrayView text(bytes);
    if (text.startsWith("\xEF\xBB\xBF"))
        text = text.sliced(3);
    // Lists made on Japanese Windows come in Shift_JIS.
    return text.isValidUtf8() ? QString::fromUtf8(text) : decodeText(text, TextEncoding::Cp932);
}

// A question in plain text, window-modal and answered through its finished
// signal, never a nested loop that would hold a drill's wait; it deletes
// itself once answered. escape is also the button Escape presses.
QMessageBox *windowModalQuestion(QWidget *parent, const QString &name, const QString &title, const QString &text,
                                 QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton,
                                 QMessageBox::StandardButton escape)
{
    auto *question = new QMessageBox(QMessageBox::Question, title, text, buttons, parent);
    question->setObjectName(name);
    question->setTextFormat(Qt::PlainText);
    question->setDefaultButton(defaultButton);
    question->setEscapeButton(escape);
    question->setWindowModality(Qt::WindowModal);
    question->setAttribute(Qt::WA_DeleteOnClose);
    return question;
}

} // namespace

MakerWindow::MakerWindow(std::function<QString()> folder, EngineLoader loader, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_folder(std::move(folder))
    , m_loader(std::move(loader))
{
    setObjectName(QStringLiteral("MakerWindow"));
    setWindowTitle(QStringLiteral("問題ファイルを作る"));
    setAccessibleName(windowTitle());
    setFont(makeFont(FontFace::Gothic, 11.0));
    keepHeapsShrinking();
    setupControls();
    setupConnections();
    setupFocusOrder();
    resize(980, 760);
}

MakerWindow::~MakerWindow()
{
    stopWorkers();
    // Results the workers posted but the window never took still hold the
    // dictionaries: drop them before giving the memory back.
    QCoreApplication::removePostedEvents(this);
    m_engine = {};
    // The dictionaries are many small blocks, and the drafts and the word box
    // go with the child widgets after this body: trimmed from the event loop
    // once all of them are freed, or the pages stay with the process.
    emit destroyedForGood();
}

void MakerWindow::setupControls()
{
    m_words = new QPlainTextEdit(this);
    m_words->setObjectName(QStringLiteral("WordBox"));
    m_words->setAccessibleName(QStringLiteral("英単語のリスト"));
    m_words->setAccessibleDescription(QStringLiteral("1行に1つ、英単語か熟語を入れます"));
    m_words->setTabChangesFocus(true);
    m_words->setPlaceholderText(QStringLiteral("apple\nrun out of\n…"));
    m_words->setFont(makeFont(FontFace::Gothic, 12.0));
    m_open = new QPushButton(QStringLiteral("テキストファイルを開く(&O)…"), this);
    m_open->setObjectName(QStringLiteral("OpenWordFile"));
    m_draft = new QPushButton(QStringLiteral("下書きを作る(&D)"), this);
    m_draft->setObjectName(QStringLiteral("DraftButton"));
    m_draft->setToolTip(QStringLiteral("Ctrl+Enter"));
    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("Progress"));
    m_progress->setAccessibleName(QStringLiteral("進み具合"));
    m_progress->setRange(0, 100);
    m_progress->setValue(0);
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("Status"));
    m_status->setTextFormat(Qt::PlainText);
    m_problem = new QLabel(this);
    m_problem->setObjectName(QStringLiteral("Problem"));
    m_problem->setTextFormat(Qt::PlainText);
    m_problem->setWordWrap(true);
    m_problem->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_problem->setStyleSheet(QStringLiteral("color: #B00000;"));
    m_problem->hide();

    m_model = new DraftTableModel(this);
    m_table = new QTableView(this);
    m_table->setObjectName(QStringLiteral("DraftTable"));
    m_table->setAccessibleName(QStringLiteral("下書きした問題"));
    m_table->setModel(m_model);
    m_table->setItemDelegateForColumn(DraftTableModel::ReadingColumn, new ReadingDelegate(m_table));
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setTabKeyNavigation(false);
    m_table->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                             | QAbstractItemView::AnyKeyPressed);
    // One height for every row, room for the mark included: sizing each row
    // to its contents would measure thousands of cells at every draft.
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_table->verticalHeader()->setDefaultSectionSize(ReadingDelegate::rowHeight());
    QHeaderView *columns = m_table->horizontalHeader();
    columns->setSectionResizeMode(QHeaderView::Interactive);
    columns->setStretchLastSection(true);
    columns->resizeSection(DraftTableModel::EnglishColumn, 170);
    columns->resizeSection(DraftTableModel::ReadingColumn, 190);
    columns->resizeSection(DraftTableModel::AccentColumn, 80);
    columns->resizeSection(DraftTableModel::MeaningColumn, 250);

    m_preview = new CardPreview(this);
    m_name = new QLineEdit(this);
    m_name->setObjectName(QStringLiteral("FileName"));
    m_name->setAccessibleName(QStringLiteral("保存するファイル名"));
    m_name->setText(QStringLiteral("新しい問題.txt"));
    m_folderLabel = new QLabel(this);
    m_folderLabel->setObjectName(QStringLiteral("Folder"));
    m_folderLabel->setTextFormat(Qt::PlainText);
    m_save = new QPushButton(QStringLiteral("保存(&S)"), this);
    m_save->setObjectName(QStringLiteral("SaveButton"));
    m_save->setToolTip(QStringLiteral("Ctrl+S"));
    m_save->setEnabled(false);
    m_close = new QPushButton(QStringLiteral("閉じる(&C)"), this);
    m_close->setObjectName(QStringLiteral("CloseButton"));

    auto *wordsColumn = new QVBoxLayout;
    wordsColumn->addWidget(buddyLabel(QStringLiteral("英単語（1行に1つ）(&W)："), m_words, this));
    wordsColumn->addWidget(m_words, 1);
    auto *wordButtons = new QHBoxLayout;
    wordButtons->addWidget(m_open);
    wordButtons->addWidget(m_draft);
    wordButtons->addStretch();
    wordsColumn->addLayout(wordButtons);

    auto *previewColumn = new QVBoxLayout;
    previewColumn->addWidget(new QLabel(QStringLiteral("ドリルでの見え方："), this));
    previewColumn->addWidget(m_preview);
    previewColumn->addStretch();

    auto *top = new QHBoxLayout;
    top->addLayout(wordsColumn, 1);
    top->addLayout(previewColumn, 1);

    auto *progressRow = new QHBoxLayout;
    progressRow->addWidget(m_progress, 1);
    progressRow->addWidget(m_status, 2);

    auto *saveRow = new QHBoxLayout;
    saveRow->addWidget(buddyLabel(QStringLiteral("ファイル名(&N)："), m_name, this));
    saveRow->addWidget(m_name, 1);
    saveRow->addWidget(m_save);
    saveRow->addWidget(m_close);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top, 2);
    layout->addLayout(progressRow);
    layout->addWidget(m_problem);
    layout->addWidget(buddyLabel(QStringLiteral("下書き（セルを選んで F2 か入力で直せます）(&T)："), m_table, this));
    layout->addWidget(m_table, 3);
    layout->addLayout(saveRow);
    layout->addWidget(m_folderLabel);
}

void MakerWindow::setupConnections()
{
    connect(m_open, &QPushButton::clicked, this, &MakerWindow::chooseWordFile);
    connect(m_draft, &QPushButton::clicked, this, &MakerWindow::draftClicked);
    connect(m_save, &QPushButton::clicked, this, [this] { save(false); });
    connect(this, &MakerWindow::workerProgress, m_progress, &QProgressBar::setValue, Qt::QueuedConnection);
    connect(this, &MakerWindow::loadingDone, this, &MakerWindow::loadFinished, Qt::QueuedConnection);
    connect(this, &MakerWindow::draftingDone, this, &MakerWindow::draftingFinished, Qt::QueuedConnection);
    connect(m_close, &QPushButton::clicked, this, &QWidget::close);
    connect(this, &MakerWindow::destroyedForGood, QCoreApplication::instance(), &giveBackFreedMemory,
            Qt::QueuedConnection);
    connect(m_table->selectionModel(), &QItemSelectionModel::currentRowChanged, this, &MakerWindow::showSelected);
    connect(m_model, &QAbstractItemModel::dataChanged, this, &MakerWindow::showSelected);
    connect(m_model, &QAbstractItemModel::modelReset, this, &MakerWindow::showSelected);
    connect(m_model, &QAbstractItemModel::dataChanged, this, [this] { m_unsaved = true; });

    auto *draftKey = new QAction(this);
    draftKey->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter)});
    connect(draftKey, &QAction::triggered, m_draft, &QPushButton::click);
    addAction(draftKey);
    auto *saveKey = new QAction(this);
    saveKey->setShortcut(QKeySequence::Save);
    connect(saveKey, &QAction::triggered, m_save, &QPushButton::click);
    addAction(saveKey);
}

void MakerWindow::setupFocusOrder()
{
    QWidget *const order[] = {m_words, m_open, m_draft, m_table, m_name, m_save, m_close};
    for (std::size_t at = 1; at < std::size(order); ++at)
        setTabOrder(order[at - 1], order[at]);
    m_preview->setFocusPolicy(Qt::NoFocus);
    m_words->setFocus();
}

void MakerWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    m_folderLabel->setText(QStringLiteral("保存先：") + QDir::toNativeSeparators(m_folder()));
    startLoading();
}

// On a worker thread, so the window (and a drill behind it) runs on while
// the dictionaries are read.
void MakerWindow::startLoading()
{
    if (m_engine || m_loadThread)
        return;
    m_problem->hide();
    m_progress->setRange(0, 100);
    m_progress->setValue(0);
    setStatus(QStringLiteral("辞書を読み込んでいます…"));
    m_loadThread = QThread::create([this, loader = m_loader] {
        QString error;
        int shown = -1;
        const DraftFunction engine = loader(
            [this, &shown](int percent) {
                if (percent == shown)
                    return;
                shown = percent;
                emit workerProgress(percent);
            },
            &error);
        emit loadingDone(engine, error);
    });
    m_loadThread->start();
}

void MakerWindow::loadFinished(const DraftFunction &engine, const QString &error)
{
    m_loadThread->wait();
    delete std::exchange(m_loadThread, nullptr);
    if (!engine) {
        // The rest of the program goes on; the draft button tries again.
        m_problem->setText(error.isEmpty() ? QStringLiteral("辞書を読み込めませんでした。") : error);
        m_problem->show();
        m_progress->setValue(0);
        setStatus(QStringLiteral("辞書を読み込めませんでした。"));
        m_waitingWords.clear();
        return;
    }
    m_engine = engine;
    m_progress->setValue(100);
    setStatus(QStringLiteral("辞書を読み込みました。"));
    emit dictionariesReady();
    if (!m_waitingWords.isEmpty())
        startDrafting(std::exchange(m_waitingWords, {}));
}

void MakerWindow::draftClicked()
{
    if (m_draftThread)
        return;
    const QStringList words = wordList(m_words->toPlainText());
    if (words.isEmpty()) {
        setStatus(QStringLiteral("英単語を1行に1つずつ入れてください。"));
        return;
    }
    if (!m_engine) {
        m_waitingWords = words;
        startLoading();
        return;
    }
    startDrafting(words);
}

void MakerWindow::startDrafting(const QStringList &words)
{
    m_draft->setEnabled(false);
    m_progress->setRange(0, static_cast<int>(words.size()));
    m_progress->setValue(0);
    setStatus(QStringLiteral("%1 語の下書きを作っています…").arg(words.size()));
    m_cancel->store(false);
    m_draftThread = QThread::create([this, words, engine = m_engine, cancel = m_cancel] {
        QList<Draft> drafts;
        drafts.reserve(words.size());
        for (const QString &word : words) {
            if (cancel->load())
                return;
            drafts.append(engine(word));
            const auto done = static_cast<int>(drafts.size());
            if (done % ProgressStep == 0)
                emit workerProgress(done);
        }
        emit draftingDone(drafts);
    });
    m_draftThread->start();
}

void MakerWindow::draftingFinished(QList<Draft> drafts)
{
    m_draftThread->wait();
    delete std::exchange(m_draftThread, nullptr);
    m_progress->setValue(m_progress->maximum());
    m_model->setDrafts(std::move(drafts));
    m_unsaved = m_model->rowCount() > 0;
    m_draft->setEnabled(true);
    m_save->setEnabled(m_model->rowCount() > 0);
    const int flagged = m_model->flaggedCount();
    setStatus(flagged == 0 ? QStringLiteral("%1 語の下書きができました。").arg(m_model->rowCount())
                           : QStringLiteral("%1 語の下書きができました。確認が要る行：%2（「！」の行）")
                                 .arg(m_model->rowCount())
                                 .arg(flagged));
    if (m_model->rowCount() > 0)
        m_table->setCurrentIndex(m_model->index(0, DraftTableModel::EnglishColumn));
    emit draftsReady();
}

void MakerWindow::chooseWordFile()
{
    // Not a blocking dialog: a drill behind the window keeps its pace.
    auto *dialog = new QFileDialog(this, QStringLiteral("単語リストを開く"), m_folder(),
                                   QStringLiteral("テキストファイル (*.txt);;すべてのファイル (*)"));
    dialog->setObjectName(QStringLiteral("WordFileDialog"));
    dialog->setFileMode(QFileDialog::ExistingFile);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QFileDialog::fileSelected, this, &MakerWindow::openWordFile);
    dialog->open();
}

bool MakerWindow::openWordFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        setStatus(QStringLiteral("「%1」を開けませんでした：%2").arg(QFileInfo(path).fileName(), file.errorString()));
        return false;
    }
    if (file.size() > MaxWordFileBytes) {
        setStatus(QStringLiteral("「%1」は単語リストにしては大きすぎます。").arg(QFileInfo(path).fileName()));
        return false;
    }
    m_words->setPlainText(decodedWords(file.readAll()));
    setStatus(QStringLiteral("「%1」の %2 語を読みました。")
                  .arg(QFileInfo(path).fileName())
                  .arg(wordList(m_words->toPlainText()).size()));
    return true;
}

void MakerWindow::save(bool thenClose)
{
    m_closeAfterSave = thenClose;
    if (m_model->rowCount() == 0)
        return;
    const QString problem = fileNameProblem(m_name->text());
    if (!problem.isEmpty()) {
        setStatus(problem);
        m_name->setFocus();
        return;
    }
    const QString folder = m_folder();
    const QList<SavedFile> files = savePlan(m_name->text(), m_model->drafts());
    QStringList existing;
    for (const SavedFile &file : files)
        if (QFileInfo::exists(QDir(folder).filePath(file.name)))
            existing << file.name;
    if (existing.isEmpty()) {
        write(folder, files);
        return;
    }
    auto *question = windowModalQuestion(
        this, QStringLiteral("OverwriteQuestion"), QStringLiteral("問題ファイルの保存"),
        QStringLiteral("同じ名前のファイルがもうあります：\n%1\n\n上書きしますか？").arg(existing.join(u'\n')),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::No, QMessageBox::No);
    question->button(QMessageBox::Yes)->setText(QStringLiteral("上書きする(&Y)"));
    question->button(QMessageBox::No)->setText(QStringLiteral("やめる(&N)"));
    connect(question, &QMessageBox::finished, this, [this, question, folder, files] {
        if (question->standardButton(question->clickedButton()) == QMessageBox::Yes)
            write(folder, files);
        else
            setStatus(QStringLiteral("保存しませんでした。"));
    });
    question->open();
}

void MakerWindow::write(const QString &folder, const QList<SavedFile> &files)
{
    const QString failure = writeFiles(folder, files);
    if (!failure.isEmpty()) {
        setStatus(failure);
        m_closeAfterSave = false;
        return;
    }
    m_unsaved = false;
    QStringList names;
    for (const SavedFile &file : files)
        names << file.name;
    setStatus(QStringLiteral("保存しました：%1").arg(names.join(QStringLiteral("、"))));
    emit saved(names);
    if (std::exchange(m_closeAfterSave, false))
        close();
}

void MakerWindow::closeEvent(QCloseEvent *event)
{
    if (!m_unsaved) {
        event->accept();
        return;
    }
    event->ignore();
    askBeforeClosing();
}

void MakerWindow::askBeforeClosing()
{
    if (const auto *asked = findChild<QMessageBox *>(QStringLiteral("CloseQuestion")); asked && asked->isVisible())
        return;
    auto *question = windowModalQuestion(
        this, QStringLiteral("CloseQuestion"), windowTitle(),
        QStringLiteral("保存していない下書き（%1 語）があります。\n保存してから閉じますか？").arg(m_model->rowCount()),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save, QMessageBox::Cancel);
    question->button(QMessageBox::Save)->setText(QStringLiteral("保存して閉じる(&S)"));
    question->button(QMessageBox::Discard)->setText(QStringLiteral("破棄して閉じる(&D)"));
    question->button(QMessageBox::Cancel)->setText(QStringLiteral("キャンセル"));
    connect(question, &QMessageBox::finished, this, [this, question] {
        switch (question->standardButton(question->clickedButton())) {
        case QMessageBox::Save:
            save(true);
            break;
        case QMessageBox::Discard:
            m_unsaved = false;
            close();
            break;
        default:
            break;
        }
    });
    question->open();
}

void MakerWindow::showSelected()
{
    const QModelIndex current = m_table->currentIndex();
    if (!current.isValid() || current.row() >= m_model->rowCount()) {
        m_preview->clear();
        return;
    }
    m_preview->showDraft(m_model->drafts()[current.row()]);
}

// Said to screen readers as well as shown.
void MakerWindow::setStatus(const QString &text)
{
    m_status->setText(text);
    m_status->setAccessibleName(text);
}

void MakerWindow::stopWorkers()
{
    m_cancel->store(true);
    for (QThread *thread : {m_draftThread, m_loadThread}) {
        if (!thread)
            continue;
        thread->wait();
        delete thread;
    }
    m_draftThread = nullptr;
    m_loadThread = nullptr;
}

} // namespace lexiwren::maker
