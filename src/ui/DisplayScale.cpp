// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DisplayScale.h"

#include "FormLayout.h"
#include "Logging.h"
#include "Notice.h"
#include "drill/DrillControl.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace lexiwren {

namespace {

const QString WantedKey = QStringLiteral("extras/scalePercent");
const QString FittedKey = QStringLiteral("extras/scaleFittedPercent");
constexpr char ScaleVariable[] = "QT_SCALE_FACTOR";
// Set for a run started again because the screen changed, which then takes
// the screen as it finds it.
constexpr char RestartedVariable[] = "LEXIWREN_SCALE_RESTARTED";

// What this run was started with, kept for starting it again.
struct StartState
{
    int percent = 100;
    QString folder;
    bool ownFactorSet = false;
    QByteArray ownFactor;
    bool restarted = false;
};

StartState &startState()
{
    static StartState state;
    return state;
}

int knownPercent(int percent)
{
    return std::find(std::begin(ScalePercents), std::end(ScalePercents), percent) != std::end(ScalePercents) ? percent
                                                                                                             : 100;
}

int rememberedWanted(const QSettings &settings)
{
    return knownPercent(settings.value(WantedKey, 100).toInt());
}

int rememberedFitted(const QSettings &settings, int wanted)
{
    return std::clamp(settings.value(FittedKey, wanted).toInt(), 100, wanted);
}

} // namespace

int fittingPercent(int wantedPercent, QSize room)
{
    const double across = double(room.width() - FrameAllowance.width()) / ClientSize.width();
    const double down = double(room.height() - FrameAllowance.height()) / ClientSize.height();
    const int fits = static_cast<int>(std::floor(100.0 * std::min(across, down) + 1e-9));
    return std::max(100, std::min(wantedPercent, fits));
}

QByteArray scaleFactorSetting(int percent, const QByteArray &ownFactor)
{
    bool isNumber = false;
    const double own = ownFactor.toDouble(&isNumber);
    const double factor = percent / 100.0 * (isNumber && own > 0 ? own : 1.0);
    return QByteArray::number(factor, 'g', 6);
}

int scaleBeforeApplication()
{
    StartState &state = startState();
    state.folder = QDir::currentPath();
    state.ownFactorSet = qEnvironmentVariableIsSet(ScaleVariable);
    state.ownFactor = qgetenv(ScaleVariable);
    state.restarted = qEnvironmentVariableIsSet(RestartedVariable);
    qunsetenv(RestartedVariable);

    // The application's names are not set yet: the same file as QSettings() later.
    const QSettings settings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Lexiwren"),
                             QStringLiteral("Lexiwren"));
    const int wanted = rememberedWanted(settings);
    state.percent = wanted == 100 ? 100 : rememberedFitted(settings, wanted);
    if (state.percent != 100)
        qputenv(ScaleVariable, scaleFactorSetting(state.percent, state.ownFactor));
    return state.percent;
}

int startedPercent()
{
    return startState().percent;
}

bool restartedForScreen()
{
    const StartState &state = startState();
    QSettings settings;
    const int wanted = rememberedWanted(settings);
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (wanted == 100 || !screen)
        return false;
    // The screen's logical pixels are the started size's: state.percent / 100 of the 100 % window's.
    const QSize room = (QSizeF(screen->availableGeometry().size()) * state.percent / 100.0).toSize();
    const int fitted = fittingPercent(wanted, room);
    settings.setValue(FittedKey, fitted);
    if (fitted == state.percent || state.restarted)
        return false;
    qCWarning(lcUi, "The screen's free area fits the window at %d %% rather than %d %%: starting again", fitted,
              state.percent);
    qputenv(RestartedVariable, "1");
    const bool started = startAgain();
    qunsetenv(RestartedVariable);
    return started;
}

bool startAgain()
{
    const StartState &state = startState();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (state.ownFactorSet)
        environment.insert(QString::fromLatin1(ScaleVariable), QString::fromLocal8Bit(state.ownFactor));
    else
        environment.remove(QString::fromLatin1(ScaleVariable));
    QProcess process;
    process.setProgram(QCoreApplication::applicationFilePath());
    process.setArguments(QCoreApplication::arguments().mid(1));
    process.setWorkingDirectory(state.folder.isEmpty() ? QDir::currentPath() : state.folder);
    process.setProcessEnvironment(environment);
    if (!process.startDetached()) {
        qCWarning(lcUi, "Cannot start the program again: %s", qUtf8Printable(process.errorString()));
        return false;
    }
    return true;
}

DisplayScale::DisplayScale(QWidget *window, QMenu &menu, const DrillControl &control)
    : QObject(window)
    , m_window(window)
    , m_control(control)
    , m_sizeMenu(menu.addMenu(QStringLiteral("表示の大きさ")))
    , m_note(new QAction(this))
{
    // A submenu is a window of its own, which takes no font from its menu.
    m_sizeMenu->setFont(menu.font());
    auto *sizes = new QActionGroup(this);
    sizes->setExclusive(true);
    const int wanted = wantedPercent();
    for (const int percent : ScalePercents) {
        QAction *size = m_sizeMenu->addAction(QStringLiteral("%1 %").arg(percent));
        size->setCheckable(true);
        size->setChecked(percent == wanted);
        sizes->addAction(size);
        connect(size, &QAction::triggered, this, [this, percent] { pick(percent); });
    }
    m_note->setEnabled(false);
    m_sizeMenu->addSeparator();
    m_sizeMenu->addAction(m_note);
    setSeams({});
    showNote();
}

void DisplayScale::setSeams(Seams seams)
{
    if (!seams.room) {
        seams.room = [this] {
            const QScreen *screen = m_window->screen();
            const QSize free = screen ? screen->availableGeometry().size() : ClientSize;
            return (QSizeF(free) * startedPercent() / 100.0).toSize();
        };
    }
    if (!seams.askRestart) {
        seams.askRestart = [this](const QString &question) {
            QMessageBox box(QMessageBox::Question, QStringLiteral("表示の大きさ"), question, QMessageBox::NoButton,
                            m_window);
            box.setTextFormat(Qt::PlainText);
            QPushButton *now = box.addButton(QStringLiteral("今すぐ起動し直す"), QMessageBox::AcceptRole);
            box.addButton(QStringLiteral("次の起動から"), QMessageBox::RejectRole);
            box.setDefaultButton(now);
            box.exec();
            return box.clickedButton() == now;
        };
    }
    if (!seams.tell) {
        seams.tell = [this](const QString &message) {
            showNotice(m_window, QMessageBox::Information, QStringLiteral("表示の大きさ"), message,
                       QStringLiteral("ScaleNotice"));
        };
    }
    if (!seams.restart) {
        seams.restart = [this] {
            if (startAgain())
                m_window->close();
            else
                m_seams.tell(
                    QStringLiteral("起動し直せませんでした。次に起動したときから、選んだ大きさで表示します。"));
        };
    }
    m_seams = std::move(seams);
}

int DisplayScale::wantedPercent() const
{
    return rememberedWanted(m_settings);
}

int DisplayScale::fittedPercent() const
{
    return rememberedFitted(m_settings, wantedPercent());
}

void DisplayScale::pick(int percent)
{
    percent = knownPercent(percent);
    const int fitted = fittingPercent(percent, m_seams.room());
    m_settings.setValue(WantedKey, percent);
    m_settings.setValue(FittedKey, fitted);
    for (QAction *size : m_sizeMenu->actions())
        if (size->isCheckable())
            size->setChecked(size->text() == QStringLiteral("%1 %").arg(percent));
    showNote();
    if (fitted == startedPercent())
        return;
    // A drill is never cut short for the window's size.
    if (m_control.isRunning()) {
        m_seams.tell(QStringLiteral("ドリルの実行中なので、次に起動したときから %1 % で表示します。").arg(fitted));
        return;
    }
    if (m_seams.askRestart(QStringLiteral("表示の大きさを %1 % にするには、プログラムを起動し直します。\n"
                                          "今すぐ起動し直しますか？")
                               .arg(fitted)))
        m_seams.restart();
}

void DisplayScale::showNote()
{
    const int wanted = wantedPercent();
    const int fitted = fittedPercent();
    QStringList says;
    if (fitted < wanted)
        says << QStringLiteral("%1 % は画面に入らないため %2 %").arg(wanted).arg(fitted);
    if (fitted != startedPercent())
        says << QStringLiteral("次の起動から %1 %").arg(fitted);
    m_note->setText(says.join(QStringLiteral("、")));
    m_note->setVisible(!says.isEmpty());
}

} // namespace lexiwren
