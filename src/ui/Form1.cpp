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
#include "PictureBox.h"
#include "deck/QuestionFile.h"
#include "deck/Shuffle.h"
#include "drill/ShowReading.h"
#include "drill/SpokenWait.h"
#include "platform/Speaker.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTime>

namespace lexiwren {

Form1::Form1(Platform platform, QWidget *parent)
    : QWidget(parent)
    , m_platform(platform)
    , m_control(platform.clock)
    , m_wait(platform.clock, platform.pump, platform.end, &m_control)
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
    m_speaker = speaker;
}

bool Form1::speechOn() const
{
    return m_speaker && m_extras->speech();
}

// A word is never heard over the next step.
void Form1::cancelSpeech()
{
    if (speechOn())
        m_speaker->cancel();
}

// Once a run, and never as a modal box: a drill goes on without speech.
void Form1::reportSpeechTrouble()
{
    if (m_speechTroubleShown || m_speaker->unavailableReason().isEmpty())
        return;
    m_speechTroubleShown = true;
    auto *notice = new QMessageBox(QMessageBox::Information, QStringLiteral("英単語の読み上げ"),
                                   QStringLiteral("音声合成サービス（speech-dispatcher）に接続できないため、"
                                                  "英単語を読み上げられません。ドリルは音声なしで続きます。\n\n"
                                                  "読み上げを使うには、次のパッケージを入れてください：\n"
                                                  "sudo apt install speech-dispatcher speech-dispatcher-espeak-ng"),
                                   QMessageBox::Ok, this);
    notice->setObjectName(QStringLiteral("SpeechNotice"));
    notice->setTextFormat(Qt::PlainText);
    notice->setAttribute(Qt::WA_DeleteOnClose);
    notice->setWindowModality(Qt::NonModal);
    notice->show();
}

void Form1::setupExtras()
{
    m_extras = new Extras(this, m_control);
    connect(m_extras->speechAction(), &QAction::toggled, this, [this](bool on) {
        if (!on && m_speaker)
            m_speaker->cancel();
    });
    // The speed box's line edit keeps its own menu; its arrow offers none.
    Combo1->setContextMenuPolicy(Qt::PreventContextMenu);

    // Drawn in the header's free stretch, clear of the number, the total and
    // the card's labels, and only while paused.
    m_pauseMark = new QLabel(QStringLiteral("一時停止"), Picture1);
    m_pauseMark->setObjectName(QStringLiteral("PauseMark"));
    m_pauseMark->setTextFormat(Qt::PlainText);
    m_pauseMark->setFont(makeFont(FontFace::Gothic, 24.0));
    QPalette red = m_pauseMark->palette();
    red.setColor(QPalette::WindowText, AccentLineColor);
    m_pauseMark->setPalette(red);
    m_pauseMark->move(PauseMarkX, PauseMarkY);
    m_pauseMark->adjustSize();
    m_pauseMark->setAccessibleName(m_pauseMark->text());
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
    auto *notice = new QMessageBox(QMessageBox::Warning, QStringLiteral("復習ファイル"), message, QMessageBox::Ok,
                                   this);
    notice->setObjectName(QStringLiteral("ReviewNotice"));
    notice->setTextFormat(Qt::PlainText);
    notice->setAttribute(Qt::WA_DeleteOnClose);
    notice->setWindowModality(Qt::NonModal);
    notice->adjustSize();
    notice->move(mapToGlobal(QPoint(Picture1->x(), Picture1->geometry().bottom() + 1)));
    notice->show();
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
    runDrill(Prompt::English, Order::File);
}

void Form1::Command2_Click()
{
    m_platform.end.endProgram();
}

void Form1::Command3_Click()
{
    runDrill(Prompt::Meaning, Order::File);
}

void Form1::Command4_Click()
{
    runDrill(Prompt::English, Order::Shuffled);
}

void Form1::Command5_Click()
{
    runDrill(Prompt::Meaning, Order::Shuffled);
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
    const bool going = m_wait.pause(durationMs);
    m_loadMessage.waitEnded();
    return going;
}

void Form1::closeEvent(QCloseEvent *event)
{
    Command2_Click();
    event->accept();
}

// A right click anywhere but in the speed box's text opens the extras.
void Form1::contextMenuEvent(QContextMenuEvent *event)
{
    m_extras->popup(event->globalPos());
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

void Form1::runDrill(Prompt prompt, Order order)
{
    if (m_platform.end.isEnding())
        return;
    const int drillNumber = m_control.drillStarted();
    cancelSpeech();
    m_wordToSay.clear();
    CardSequence sequence(*this);
    sequence.prologue();
    // With laps on, the drill starts again at its first card until it is
    // stopped or another drill starts inside it.
    for (int lap = 1;; ++lap) {
        if (order == Order::Shuffled) {
            copyRows(Deck, ShuffledDeck, CardCount, CardIndex, FieldIndex);
            shuffleRows(ShuffledDeck, CardCount, m_platform.random, CardIndex, FieldIndex);
        }
        sequence.setLap(lap);
        if (!sequence.cardLoop(prompt, order == Order::Shuffled ? ShuffledDeck : Deck, CardCount, CardIndex))
            break;
        if (!m_extras->laps() || CardCount == 0)
            break;
        // At speed 0 no wait lets an event in; between laps they get their
        // turn, so a lapping drill can still be stopped.
        m_platform.pump.processEvents(std::chrono::nanoseconds::zero());
        if (m_platform.end.isEnding() || m_control.isStopping() || !m_control.isLatest(drillNumber))
            break;
    }
    m_control.drillEnded();
    // A stopped drill ends as one that ran out; an ending program takes no
    // further step at all.
    if (!m_platform.end.isEnding())
        sequence.epilogue();
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

// With speech on, a shown word is said first and the card's own time starts
// once it has been heard.
bool Form1::pause(qint32 durationMs)
{
    if (!m_wordToSay.isEmpty()) {
        const QString word = std::exchange(m_wordToSay, QString());
        const int drillsBefore = m_control.drillsStarted();
        const SpokenWait::Outcome outcome =
            SpokenWait(m_platform.clock, m_platform.pump, m_platform.end, m_control, *m_speaker).sayAndWait(word);
        reportSpeechTrouble();
        if (outcome != SpokenWait::Outcome::Spoken)
            return outcome == SpokenWait::Outcome::Skipped;
        // A drill started during the word has used up this card's time, as
        // it would have used up the wait.
        if (m_control.drillsStarted() != drillsBefore)
            return true;
    }
    const bool goOn = Pause(durationMs);
    cancelSpeech();
    return goOn;
}

void Form1::wordShown(const QString &word)
{
    if (speechOn() && !word.trimmed().isEmpty())
        m_wordToSay = word;
}

void Form1::cardShown(qint16 number, const Card &row)
{
    cancelSpeech();
    m_shownCard = {number, row[EnglishField], row[MeaningField]};
    emit shownCardChanged();
    m_reviewMarks.cardShown(row);
    showReviewMark(m_reviewMarks.mark());
}

} // namespace lexiwren
