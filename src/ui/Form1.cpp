// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Form1.h"

#include "AccentLine.h"
#include "Accessibility.h"
#include "CardLabel.h"
#include "ControlFactory.h"
#include "FileList.h"
#include "FormLayout.h"
#include "PictureBox.h"
#include "deck/QuestionFile.h"
#include "deck/Shuffle.h"
#include "drill/ShowReading.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTime>

namespace lexiwren {

namespace {

template<typename Widget>
Widget *control(QWidget *parent, const char *name)
{
    auto *widget = parent->findChild<Widget *>(QLatin1StringView(name));
    Q_ASSERT_X(widget, "Form1", name);
    return widget;
}

} // namespace

Form1::Form1(Platform platform, QWidget *parent)
    : QWidget(parent)
    , m_platform(platform)
    , m_wait(platform.clock, platform.pump, platform.end)
    , m_loadMessage(*this, platform.end)
{
    setupWindow();
    setupControls();
    setupConnections();
    setupFocusOrder();
    nameControls(*this);
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
    QPalette background = palette();
    background.setColor(QPalette::Window, FormBackground);
    setPalette(background);
    setAutoFillBackground(true);
}

void Form1::setupControls()
{
    for (const ControlRow &row : windowControls())
        createControl(row, this);
    Picture1 = control<PictureBox>(this, "Picture1");
    for (const ControlRow &row : pictureControls())
        createControl(row, Picture1);
    for (const LineRow &row : accentLines()) {
        auto *line = new AccentLine(AccentLineY, AccentLineWidth, AccentLineColor, Picture1);
        line->setObjectName(QLatin1StringView(row.name));
        line->setX1(static_cast<float>(row.x1));
        line->setX2(static_cast<float>(row.x2));
    }

    Label1 = control<QLabel>(this, "Label1");
    Label5 = control<QLabel>(this, "Label5");
    Combo1 = control<QComboBox>(this, "Combo1");
    Command2 = control<QPushButton>(this, "Command2");
    Label3[0] = control<QLabel>(this, "Label3_0");
    Label3[1] = control<QLabel>(this, "Label3_1");
    Command1 = control<QPushButton>(this, "Command1");
    Command4 = control<QPushButton>(this, "Command4");
    Command3 = control<QPushButton>(this, "Command3");
    Command5 = control<QPushButton>(this, "Command5");
    Check3 = control<QCheckBox>(this, "Check3");
    Check1 = control<QCheckBox>(this, "Check1");
    Check2 = control<QCheckBox>(this, "Check2");
    File1 = control<FileList>(this, "File1");
    Label4 = control<QLabel>(this, "Label4");
    Command6 = control<QPushButton>(this, "Command6");
    Label2 = control<CardLabel>(Picture1, "Label2");
    Label7 = control<CardLabel>(Picture1, "Label7");
    Label6 = control<CardLabel>(Picture1, "Label6");
    Line1 = control<AccentLine>(Picture1, "Line1");
    Line2 = control<AccentLine>(Picture1, "Line2");
    Line3 = control<AccentLine>(Picture1, "Line3");

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
    QWidget *previous = nullptr;
    for (const char *name : focusOrder()) {
        auto *next = findChild<QWidget *>(QLatin1StringView(name));
        if (previous)
            setTabOrder(previous, next);
        previous = next;
    }
    Picture1->setFocus();
}

void Form1::Form_Load()
{
    // The time of day alone, without the date.
    m_platform.random.seed(static_cast<std::uint32_t>(QTime::currentTime().msecsSinceStartOfDay()));
    Command1->setEnabled(false);
    Command4->setEnabled(false);
    Command3->setEnabled(false);
    Command5->setEnabled(false);
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

void Form1::runDrill(Prompt prompt, Order order)
{
    if (m_platform.end.isEnding())
        return;
    CardSequence sequence(*this);
    sequence.prologue();
    if (order == Order::Shuffled) {
        copyRows(Deck, ShuffledDeck, CardCount, CardIndex, FieldIndex);
        shuffleRows(ShuffledDeck, CardCount, m_platform.random, CardIndex, FieldIndex);
    }
    if (sequence.cardLoop(prompt, order == Order::Shuffled ? ShuffledDeck : Deck, CardCount, CardIndex))
        sequence.epilogue();
}

// Once a file is loaded, the start buttons stay enabled for good.
void Form1::enableStartButtons()
{
    Command1->setEnabled(true);
    Command4->setEnabled(true);
    Command3->setEnabled(true);
    Command5->setEnabled(true);
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

bool Form1::pause(qint32 durationMs)
{
    return Pause(durationMs);
}

} // namespace lexiwren
