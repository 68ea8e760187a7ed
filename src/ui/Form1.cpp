// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Form1.h"

#include "AccentLine.h"
#include "Accessibility.h"
#include "CardLabel.h"
#include "ControlFactory.h"
#include "Extras.h"
#include "FileList.h"
#include "Fonts.h"
#include "FormLayout.h"
#include "LightPalette.h"
#include "Notice.h"
#include "PictureBox.h"
#include "deck/QuestionFile.h"
#include "deck/Shuffle.h"
#include "drill/ShowReading.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTime>

namespace lexiwren {

Form1::Form1(Platform platform, QWidget *parent)
    : QWidget(parent)
    , m_platform(platform)
    , m_control(platform.clock)
    , m_wait(platform.clock, platform.pump, platform.end, &m_control)
    , m_runner(*this, platform, m_control, {Deck, ShuffledDeck, CardCount, CardIndex, FieldIndex})
    , m_loadMessage(*this, platform.end)
{
    setupWindow();
    setupControls();
    setupConnections();
    setupFocusOrder();
    nameControls(*this);
    setupExtras();
    setErrorReporter({});
    Form_Load();
}

Form1::~Form1() = default;

void Form1::setErrorReporter(std::function<void(const QString &)> reporter)
{
    if (!reporter)
        reporter = [this](const QString &message) { m_loadMessage.show(message); };
    m_reportError = std::move(reporter);
}

void Form1::setupWindow()
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("【 Lexiwren! 】"));
    setFixedSize(ClientSize);
    // Every control the layout does not colour (the check boxes' boxes, the
    // speed box's button and list) takes this whole palette, not the desktop's.
    QPalette background = lightPalette();
    background.setColor(QPalette::Window, FormBackground);
    setPalette(background);
    setAutoFillBackground(true);
}

void Form1::setupControls()
{
    for (const ControlRow &row : windowControls())
        createControl(*this, row, this);
    for (const ControlRow &row : pictureControls())
        createControl(*this, row, Picture1);
    for (const LineRow &row : accentLines())
        createLine(*this, row, Picture1);
    m_startButtons = {Command1, Command4, Command3, Command5};

    // From the bottom of the stack up: the reading, its lines over its bottom
    // edge, the meaning, and the word, which covers the meaning whole.
    Label6->lower();
    Label7->raise();
    Label2->raise();
}

void Form1::setupConnections()
{
    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form1::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &Form1::Command4_Click);
    connect(Command5, &QPushButton::clicked, this, &Form1::Command5_Click);
    connect(Command6, &QPushButton::clicked, this, &Form1::Command6_Click);
    connect(Picture1, &PictureBox::drawingChanged, this, [this] {
        QStringList drawn;
        for (const PictureBox::DrawnText &text : Picture1->drawnTexts())
            drawn << text.text.trimmed();
        announce(Picture1, drawn.join(u' '));
    });
}

void Form1::setupFocusOrder()
{
    Picture1->setFocusPolicy(Qt::StrongFocus);
    QWidget *const order[] = {Picture1, Command1, Command2, Combo1, Check1,   Check2,
                              Command3, Command4, Command5, File1,  Command6, Check3};
    for (std::size_t at = 1; at < std::size(order); ++at)
        setTabOrder(order[at - 1], order[at]);
    Picture1->setFocus();
}

void Form1::setSpeaker(Speaker *speaker)
{
    m_runner.setSpeaker(speaker);
}

// Once a run for each kind, and never as a modal box: a drill goes on
// without speech. It opens below the card area, which it would otherwise
// cover, meaning and all.
void Form1::reportSpeechTrouble(SpeechTrouble trouble)
{
    const QString text = trouble == SpeechTrouble::Unreachable
                             ? QStringLiteral("音声合成サービス（speech-dispatcher）に接続できないため、"
                                              "英単語を読み上げられません。ドリルは音声なしで続きます。\n\n"
                                              "読み上げを使うには、次のパッケージを入れてください：\n"
                                              "sudo apt install speech-dispatcher speech-dispatcher-espeak-ng")
                             : QStringLiteral("英単語の読み上げが終わらないため、この実行中は読み上げをやめ、"
                                              "ドリルは音声なしで続きます。\n\n"
                                              "音声の出力先がないようです。サウンドサーバー（PipeWire または "
                                              "PulseAudio）が動いているか、音が出るかを確かめてください。");
    showNotice(this, QMessageBox::Information, QStringLiteral("英単語の読み上げ"), text,
               QStringLiteral("SpeechNotice"));
}

void Form1::setupExtras()
{
    m_extras = new Extras(this, m_control);
    m_runner.setLapsOn(m_extras->laps());
    connect(m_extras->lapsAction(), &QAction::toggled, this, [this](bool on) { m_runner.setLapsOn(on); });
    m_runner.setSpeechOn(m_extras->speech());
    connect(m_extras->speechAction(), &QAction::toggled, this, [this](bool on) { m_runner.setSpeechOn(on); });
    const auto chooseShuffle = [this](bool whole) {
        m_runner.setLapShuffle(whole ? &DrillRunner::wholeShuffle : &DrillRunner::swapShuffle);
    };
    chooseShuffle(m_extras->wholeShuffle());
    connect(m_extras->wholeShuffleAction(), &QAction::toggled, this, chooseShuffle);

    // The speed box's text keeps its own edit menu; a right click on its
    // arrow, which would open that menu too, opens none.
    Combo1->installEventFilter(this);

    m_pauseMark->hide();
    connect(&m_control, &DrillControl::stateChanged, this,
            [this](DrillControl::State state) { showPauseMark(state == DrillControl::State::Paused); });
    setupReviewMarks();
}

void Form1::setupReviewMarks()
{
    connect(m_extras->reviewAction(), &QAction::triggered, this, [this] { showReviewMark(m_reviewMarks.toggle()); });
    connect(&m_reviewMarks, &ReviewMarks::markChanged, this, &Form1::showReviewMark);
    connect(&m_reviewMarks, &ReviewMarks::problem, this, &Form1::reportReviewProblem);
}

// Beside the pause mark's place, clear of the number, the lap, the total and
// the card; nothing is made until a card is first marked.
void Form1::showReviewMark(ReviewMarks::Mark mark)
{
    const QString text = ReviewMarks::text(mark);
    if (!m_reviewMark) {
        if (text.isEmpty())
            return;
        m_reviewMark = new QLabel(Picture1);
        m_reviewMark->setObjectName(QStringLiteral("ReviewMark"));
        m_reviewMark->setTextFormat(Qt::PlainText);
        m_reviewMark->setFont(makeFont(FontFace::Gothic, 24.0));
        QPalette blue = m_reviewMark->palette();
        blue.setColor(QPalette::WindowText, QColor(0x00, 0x00, 0xC0));
        m_reviewMark->setPalette(blue);
        m_reviewMark->move(ReviewMarkX, ReviewMarkY);
        m_reviewMark->setAccessibleName(QStringLiteral("復習の印"));
    }
    if (m_reviewMark->text() == text && m_reviewMark->isVisible() == !text.isEmpty())
        return;
    m_reviewMark->setText(text);
    m_reviewMark->adjustSize();
    m_reviewMark->raise();
    m_reviewMark->setVisible(!text.isEmpty());
    announce(m_reviewMark, text);
}

// Below the card, never over its text, and never modal: the drill goes on.
void Form1::reportReviewProblem(const QString &message)
{
    showNotice(this, QMessageBox::Warning, QStringLiteral("復習ファイル"), message, QStringLiteral("ReviewNotice"));
}

void Form1::showPauseMark(bool paused)
{
    if (m_pauseMark->isVisible() == paused)
        return;
    m_pauseMark->raise();
    m_pauseMark->setVisible(paused);
    announce(m_pauseMark, paused ? m_pauseMark->text() : QString());
}

void Form1::Form_Load()
{
    // The time of day alone, without the date.
    m_platform.random.seed(static_cast<std::uint32_t>(QTime::currentTime().msecsSinceStartOfDay()));
    for (QPushButton *start : m_startButtons)
        start->setEnabled(false);
}

void Form1::Command1_Click()
{
    m_runner.run(Prompt::English, Order::File);
}

void Form1::Command2_Click()
{
    m_platform.end.endProgram();
}

void Form1::Command3_Click()
{
    m_runner.run(Prompt::Meaning, Order::File);
}

void Form1::Command4_Click()
{
    m_runner.run(Prompt::English, Order::Shuffled);
}

void Form1::Command5_Click()
{
    m_runner.run(Prompt::Meaning, Order::Shuffled);
}

void Form1::Command6_Click()
{
    const QString name = File1->selectedName();
    if (name.isEmpty()) {
        QuestionFileError nothingSelected;
        nothingSelected.kind = QuestionFileError::Kind::NothingSelected;
        m_reportError(nothingSelected.message(name));
        return;
    }
    // Marks of the drill just run may still be on their way to a review
    // file, perhaps the one now loaded; they take milliseconds.
    m_reviewMarks.waitForWrites();
    // Everything is read and checked before anything changes: a failed load
    // leaves the deck, the count and the buttons as they were. The file opens
    // by its name's own bytes, which the shown name may not give back.
    const QuestionFileResult result = readQuestionFile(File1->selectedNameBytes());
    if (const auto *error = std::get_if<QuestionFileError>(&result)) {
        m_reportError(error->message(name));
        return;
    }
    const QList<QString> &lines = std::get<QuestionFileContents>(result).lines;

    CardCount = 0;
    for (const QString &line : lines)
        LineBuffer[CardCount++] = line;
    for (CardIndex = 0; CardIndex <= CardCount - 1; ++CardIndex) {
        const Card pieces = cardFromLine(LineBuffer[CardIndex]);
        for (FieldIndex = 0; FieldIndex < FieldsPerCard; ++FieldIndex)
            Deck[CardIndex][FieldIndex] = pieces[FieldIndex];
    }
    m_reviewMarks.deckLoaded(File1->selectedNameBytes());
    showReviewMark(ReviewMarks::Mark::None);
    enableStartButtons();
}

bool Form1::Pause(qint32 durationMs)
{
    m_loadMessage.waitStarting(durationMs);
    const bool going = m_wait.wait(durationMs);
    m_loadMessage.waitEnded();
    return going;
}

void Form1::closeEvent(QCloseEvent *event)
{
    Command2_Click();
    // Held by a window that asks first (drafts not saved), this one stays too.
    event->setAccepted(m_platform.end.isEnding());
}

// A right click anywhere but in the speed box's text opens the extras; its
// line edit answers with its own menu first.
void Form1::contextMenuEvent(QContextMenuEvent *event)
{
    m_extras->popup(event->globalPos());
}

bool Form1::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Combo1 && event->type() == QEvent::ContextMenu) {
        const auto *menuEvent = static_cast<QContextMenuEvent *>(event);
        if (menuEvent->reason() == QContextMenuEvent::Mouse
            && !Combo1->lineEdit()->geometry().contains(menuEvent->pos())) {
            event->accept();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

// The Menu key and Shift+F10 open the extras under the focused control; the
// speed box's line edit answers them with its own menu first.
void Form1::keyPressEvent(QKeyEvent *event)
{
    const bool menuKey = event->key() == Qt::Key_Menu
                         || (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier);
    if (!menuKey) {
        QWidget::keyPressEvent(event);
        return;
    }
    const QWidget *focused = focusWidget() ? focusWidget() : this;
    m_extras->popup(focused->mapToGlobal(focused->rect().center()));
}

// Once a file is loaded, the start buttons stay enabled for good.
void Form1::enableStartButtons()
{
    for (QPushButton *start : m_startButtons)
        start->setEnabled(true);
}

// DrillView: what a drill does to the controls.

void Form1::setWordText(const QString &text)
{
    Label2->setText(text);
    announce(Label2, text);
}

void Form1::setWordVisible(bool visible)
{
    Label2->setVisible(visible);
}

void Form1::setWordPointSize(qreal points)
{
    QFont font = Label2->font();
    font.setPixelSize(pixelsForPoints(points));
    Label2->setFont(font);
}

void Form1::setWordColorToBlack()
{
    QPalette palette = Label2->palette();
    palette.setColor(QPalette::WindowText, Qt::black);
    Label2->setPalette(palette);
}

void Form1::setReadingText(const QString &text)
{
    Label6->setText(text);
    announce(Label6, text);
}

ReadingGeometry Form1::readingGeometry() const
{
    const CardLabel::Cells cells = Label6->characterCells();
    ReadingGeometry geometry{cells.edges, cells.fullWidth};
    for (qreal &edge : geometry.edges)
        edge += Label6->x();
    return geometry;
}

void Form1::setMeaningText(const QString &text)
{
    Label7->setText(text);
    announce(Label7, text);
}

void Form1::setAccentLineVisible(int line, bool visible)
{
    AccentLine *lines[] = {Line1, Line2, Line3};
    lines[qBound(1, line, 3) - 1]->setVisible(visible);
}

void Form1::setAccentX1(float x)
{
    Line1->setX1(x);
}

float Form1::accentX1() const
{
    return Line1->x1();
}

void Form1::setAccentX2(float x)
{
    Line1->setX2(x);
}

void Form1::clearDrawing()
{
    Picture1->clearDrawing();
}

void Form1::setDrawingPointSize(qreal points)
{
    Picture1->setDrawingPointSize(points);
}

void Form1::setDrawingPosition(int x, int y)
{
    Picture1->setDrawingPosition({x, y});
}

void Form1::drawText(const QString &text)
{
    Picture1->drawText(text);
}

void Form1::setLoadEnabled(bool enabled)
{
    Command6->setEnabled(enabled);
}

bool Form1::isChecked(Option option) const
{
    switch (option) {
    case Option::AnswersOn:
        return Check1->isChecked();
    case Option::SoundOff:
        return Check2->isChecked();
    case Option::ReadingOn:
        return Check3->isChecked();
    }
    return false;
}

QString Form1::speedText() const
{
    return Combo1->currentText();
}

void Form1::beep()
{
    m_platform.beeper.beep();
}

bool Form1::hold(qint32 durationMs)
{
    return Pause(durationMs);
}

void Form1::phaseShown(const CardInView &card)
{
    if (card.phase == CardPhase::Header) {
        m_reviewMarks.cardShown(card.row);
        showReviewMark(m_reviewMarks.mark());
    }
    emit cardInViewChanged();
}

void Form1::speechTrouble(SpeechTrouble trouble)
{
    reportSpeechTrouble(trouble);
}

} // namespace lexiwren
