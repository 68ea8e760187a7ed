// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The question-file maker: the learner pastes English words, the window
// drafts a card for each (reading, accent code, meaning) on a worker thread,
// marks the lines to check, shows the selected card as a drill would, and
// saves the cards as question files into the main window's folder. A
// top-level window of its own that never blocks the main window: a drill
// keeps running and keeps its timing behind it. The dictionaries are read on
// a worker thread when the window first shows and given back when it closes;
// closing with drafts not yet saved asks first.
#pragma once

#include "DraftingEngine.h"
#include "SavePlan.h"

#include <QStringList>
#include <QWidget>

#include <atomic>
#include <functional>
#include <memory>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QTableView;
class QThread;

namespace lexiwren::maker {

class CardPreview;
class DraftTableModel;

class MakerWindow : public QWidget
{
    Q_OBJECT
public:
    // folder names the folder to save into, asked afresh at each save.
    explicit MakerWindow(std::function<QString()> folder, EngineLoader loader = dictionaryEngine(),
                         QWidget *parent = nullptr);
    ~MakerWindow() override;

    // Reads the words from a text file into the word box.
    bool openWordFile(const QString &path);

    // Controls, for the tests.
    QPlainTextEdit *wordBox() const { return m_words; }
    QPushButton *openButton() const { return m_open; }
    QPushButton *draftButton() const { return m_draft; }
    QProgressBar *progressBar() const { return m_progress; }
    QLabel *statusLabel() const { return m_status; }
    QLabel *problemLabel() const { return m_problem; }
    QTableView *table() const { return m_table; }
    DraftTableModel *model() const { return m_model; }
    CardPreview *preview() const { return m_preview; }
    QLineEdit *nameBox() const { return m_name; }
    QPushButton *saveButton() const { return m_save; }
    bool dictionariesLoaded() const { return static_cast<bool>(m_engine); }
    // Drafts in the table that were changed since they were last saved.
    bool hasUnsavedDrafts() const { return m_unsaved; }

signals:
    // Bare names of the files just written into the folder, in order.
    void saved(const QStringList &names);
    void dictionariesReady();
    void draftsReady();
    // From the worker threads to the window's own, queued.
    void workerProgress(int value);
    void loadingDone(const lexiwren::maker::DraftFunction &engine, const QString &error);
    void draftingDone(const QList<lexiwren::maker::Draft> &drafts);
    // From the destructor, queued to the application: the memory is given
    // back once the child widgets are gone too.
    void destroyedForGood();

protected:
    void showEvent(QShowEvent *event) override;
    // With unsaved drafts, asks first whether to save them.
    void closeEvent(QCloseEvent *event) override;

private:
    void setupControls();
    void setupConnections();
    void setupFocusOrder();

    void startLoading();
    void loadFinished(const DraftFunction &engine, const QString &error);
    void draftClicked();
    void startDrafting(const QStringList &words);
    void draftingFinished(QList<Draft> drafts);
    void chooseWordFile();
    void save(bool thenClose);
    void askBeforeClosing();
    void write(const QString &folder, const QList<SavedFile> &files);
    void showSelected();
    void setStatus(const QString &text);
    void stopWorkers();

    std::function<QString()> m_folder;
    EngineLoader m_loader;
    DraftFunction m_engine;
    QThread *m_loadThread = nullptr;
    QThread *m_draftThread = nullptr;
    std::shared_ptr<std::atomic_bool> m_cancel = std::make_shared<std::atomic_bool>(false);
    QStringList m_waitingWords; // drafted once the dictionaries are in
    bool m_unsaved = false;
    bool m_closeAfterSave = false; // the save was asked for by closing

    QPlainTextEdit *m_words = nullptr;
    QPushButton *m_open = nullptr;
    QPushButton *m_draft = nullptr;
    QProgressBar *m_progress = nullptr;
    QLabel *m_status = nullptr;
    QLabel *m_problem = nullptr;
    QTableView *m_table = nullptr;
    DraftTableModel *m_model = nullptr;
    CardPreview *m_preview = nullptr;
    QLineEdit *m_name = nullptr;
    QLabel *m_folderLabel = nullptr;
    QPushButton *m_save = nullptr;
    QPushButton *m_close = nullptr;
};

} // namespace lexiwren::maker
