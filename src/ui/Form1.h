// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The program's one window: its controls, its state and the handlers of its
// events. The handlers stay thin; reading files, shuffling and running the
// card sequence live in deck/ and drill/.
#pragma once

#include "LoadMessage.h"
#include "deck/Card.h"
#include "drill/DrillControl.h"
#include "drill/DrillRunner.h"
#include "drill/DrillView.h"
#include "drill/DrillWait.h"
#include "drill/ReviewMarks.h"
#include "platform/Platform.h"

#include <QWidget>

#include <array>
#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

namespace lexiwren {

class AccentLine;
struct ControlRow;
class Speaker;
class CardLabel;
class Extras;
class FileList;
class PictureBox;
class WrappingLabel;

class Form1 : public QWidget, private DrillView
{
    Q_OBJECT
public:
    explicit Form1(Platform platform, QWidget *parent = nullptr);
    ~Form1() override;

    // Shows why a load failed; unless replaced (tests do), in a window-modal
    // message box that leaves a running drill running (see LoadMessage).
    // An empty reporter brings the box back.
    void setErrorReporter(std::function<void(const QString &message)> reporter);

    // Says the English words when the extras' speech switch is on; none by
    // default. The speaker must outlive the window.
    void setSpeaker(Speaker *speaker);

    // The extras: pausing, skipping and stopping drills, and their menu.
    DrillControl &drillControl() { return m_control; }
    Extras &extras() { return *m_extras; }
    // What runs the drills: the card in view, whether a drill runs.
    const DrillRunner &drillRunner() const { return m_runner; }

    // The window's state, shared by every handler.
    LineTable LineBuffer;
    CardTable Deck;
    CardTable ShuffledDeck;
    qint16 CardCount = 0;
    qint16 CardIndex = 0;
    qint16 FieldIndex = 0;

    // Handlers.
    void Form_Load();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    // Holds the screen for durationMs while the window stays alive; false
    // once the program is ending.
    bool Pause(qint32 durationMs);

    // Controls.
    QLabel *Label1 = nullptr;
    QLabel *Label5 = nullptr;
    QComboBox *Combo1 = nullptr;
    QPushButton *Command2 = nullptr;
    PictureBox *Picture1 = nullptr;
    QLabel *Label3[2] = {};
    QPushButton *Command1 = nullptr;
    QPushButton *Command4 = nullptr;
    QPushButton *Command3 = nullptr;
    QPushButton *Command5 = nullptr;
    QCheckBox *Check3 = nullptr;
    QCheckBox *Check1 = nullptr;
    QCheckBox *Check2 = nullptr;
    FileList *File1 = nullptr;
    WrappingLabel *Label4 = nullptr;
    QPushButton *Command6 = nullptr;
    CardLabel *Label2 = nullptr;
    CardLabel *Label7 = nullptr;
    CardLabel *Label6 = nullptr;
    AccentLine *Line1 = nullptr;
    AccentLine *Line2 = nullptr;
    AccentLine *Line3 = nullptr;

signals:
    // The card in view has come to its next phase (header, prompt, answer).
    void cardInViewChanged();

protected:
    // DrillView's hold of a shown step for its own time: Pause. Open to
    // subclasses so that a benchmark can time it.
    bool hold(qint32 durationMs) override;
    void closeEvent(QCloseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    friend const QList<ControlRow> &pictureControls();

    void setupWindow();
    void setupControls();
    void setupConnections();
    void setupFocusOrder();
    void setupExtras();
    void showPauseMark(bool paused);
    void reportSpeechTrouble(SpeechTrouble trouble);
    void setupReviewMarks();
    void showReviewMark(ReviewMarks::Mark mark);
    void reportReviewProblem(const QString &message);
    void enableStartButtons();

    // DrillView
    void setWordText(const QString &text) override;
    void setWordVisible(bool visible) override;
    void setWordPointSize(qreal points) override;
    void setWordColorToBlack() override;
    void setReadingText(const QString &text) override;
    ReadingGeometry readingGeometry() const override;
    void setMeaningText(const QString &text) override;
    void setAccentLineVisible(int line, bool visible) override;
    void setAccentX1(float x) override;
    float accentX1() const override;
    void setAccentX2(float x) override;
    void clearDrawing() override;
    void setDrawingPointSize(qreal points) override;
    void setDrawingPosition(int x, int y) override;
    void drawText(const QString &text) override;
    void setLoadEnabled(bool enabled) override;
    bool isChecked(Option option) const override;
    QString speedText() const override;
    void beep() override;
    void phaseShown(const CardInView &card) override;
    void speechTrouble(SpeechTrouble trouble) override;

    Platform m_platform;
    DrillControl m_control;
    DrillWait m_wait;
    DrillRunner m_runner;
    LoadMessage m_loadMessage;
    std::function<void(const QString &)> m_reportError;
    // Switched together, in this order.
    std::array<QPushButton *, 4> m_startButtons{};
    Extras *m_extras = nullptr;
    // Made from the layout table with the controls, shown only while paused.
    QLabel *m_pauseMark = nullptr;
    // The cards marked for review; the mark is made when first shown.
    ReviewMarks m_reviewMarks;
    QLabel *m_reviewMark = nullptr;
};

} // namespace lexiwren
