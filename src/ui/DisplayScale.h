// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The extras' window size: the whole window drawn larger as one picture, by
// the toolkit's own scale factor (QT_SCALE_FACTOR), so text and lines stay
// crisp and the layout keeps its proportions. Qt reads that factor only when
// the application is made: main() sets it from the remembered size before,
// and a size picked from the menu takes effect when the program starts
// again, which it offers to do at once when no drill runs. The window never
// grows past the screen's free area: the largest size that fits is taken
// instead, when the size is picked and at each start.
#pragma once

#include <QByteArray>
#include <QObject>
#include <QSettings>
#include <QSize>

#include <functional>

class QAction;
class QMenu;
class QWidget;

namespace lexiwren {

class DrillControl;

inline constexpr int ScalePercents[] = {100, 125, 150, 200};
// What the window's frame may add to it, in pixels of the 100 % window.
inline constexpr QSize FrameAllowance{16, 48};

// The largest size not above wantedPercent, in whole percent, at which the
// window and its frame fit in room (in pixels of the 100 % window); never
// below 100, the window's own size.
int fittingPercent(int wantedPercent, QSize room);

// QT_SCALE_FACTOR for a size: percent / 100 times the learner's own factor
// (none: 1).
QByteArray scaleFactorSetting(int percent, const QByteArray &ownFactor);

// Before the QApplication is made: sets QT_SCALE_FACTOR for the remembered
// size, as far as it fitted the screen when last checked, and returns that
// size in percent. At 100 % it leaves the environment alone.
int scaleBeforeApplication();
// The size this run started at: 100 unless scaleBeforeApplication set another.
int startedPercent();
// After the QApplication is made, for a size above 100 %: true when the
// screen's free area has changed so much that another size fits better. The
// program has then been started again at that size (once: the new run does
// not check again), and this run should end without showing its window.
bool restartedForScreen();
// Starts the program again as it was started: its arguments, its start
// folder and the learner's own QT_SCALE_FACTOR. False if it could not.
bool startAgain();

class DisplayScale : public QObject
{
    Q_OBJECT
public:
    // The outside world of a size change; tests replace it.
    struct Seams
    {
        // The screen's free area, in pixels of the 100 % window.
        std::function<QSize()> room;
        // Whether to start again now, asked while no drill runs.
        std::function<bool(const QString &question)> askRestart;
        // A non-modal message.
        std::function<void(const QString &message)> tell;
        std::function<void()> restart;
    };

    // Adds the "表示の大きさ" submenu to the menu.
    DisplayScale(QWidget *window, QMenu &menu, const DrillControl &control);

    // Empty members keep the real ones.
    void setSeams(Seams seams);

    QMenu *sizeMenu() const { return m_sizeMenu; }
    // Says when the size on screen is not the one checked, and why.
    QAction *note() const { return m_note; }
    // The size the learner picked, and the largest of it that fits.
    int wantedPercent() const;
    int fittedPercent() const;

    void pick(int percent);

private:
    void showNote();

    QWidget *m_window;
    const DrillControl &m_control;
    QSettings m_settings;
    QMenu *m_sizeMenu;
    QAction *m_note;
    Seams m_seams;
};

} // namespace lexiwren
