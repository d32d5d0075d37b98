// Tens of thousands of seeded random user actions on the real window, with what the window
// promises checked after every one of them: it stays open unless Exit was pressed, and Exit
// closes it; the weight fields never hold more than eight characters; the preset lists never
// change; a shown result is always what the Calculate command gives for the figures on the
// screen; every box that opens is one of the program's dialogs, and is answered with OK.
//
// Exit is part of the game: Esc, Alt+X, closing the window, and clicks or keys that press the
// Exit button close the window, and a new one is opened in its place, as a user would start the
// program again.
//
// A failure prints its seed and the actions so far. To replay it:
//   QT_QPA_PLATFORM=offscreen QUORVEL_MONKEY_SEED=<seed> QUORVEL_MONKEY_ACTIONS=<n> test_monkey
// QUORVEL_MONKEY_ACTIONS alone sets the number of actions for each of the default seeds.

#include "monkey.h"
#include "window_checks.h"

#include "tests/window/support/form_access.h"
#include "tests/window/support/message_boxes.h"
#include "window/form/frm_quorvel.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <cstdint>
#include <optional>

using namespace quorvel;
using quorvel::testing::Controls;

namespace {

constexpr std::uint32_t DefaultSeeds[] = {1, 2, 3, 4};
constexpr int DefaultActionsPerSeed = 8000;
constexpr int TokensPerLogLine = 24;

// What a run saw, to tell how much of the window it went through.
struct Tally {
    int results = 0;      // results written into txtHP
    int resultChecks = 0; // actions after which a result was shown, and checked
    int listChoices = 0;  // items chosen from a preset list
    int exits = 0;        // presses of Exit
};

// The window as the program shows it: on the stack, shown, active, the focus in txtCar.
bool Open(std::optional<frmQuorvel>& form, Controls& c, Tally& tally) {
    form.emplace();
    c = testing::FindControls(*form);
    QObject::connect(c.cmdExit, &QPushButton::clicked, &*form, [&tally] { ++tally.exits; });
    QObject::connect(c.txtHP, &QLineEdit::textChanged, &*form, [&tally](const QString& text) {
        if (!text.isEmpty())
            ++tally.results;
    });
    for (QComboBox* box : {c.cmbSpeed, c.cmbForce, c.cmbEfficiency})
        QObject::connect(box, &QComboBox::activated, &*form, [&tally] { ++tally.listChoices; });
    form->show();
    form->activateWindow();
    return c.complete() && QTest::qWaitForWindowActive(&*form);
}

// Whether the action ended as it should for the window's life: Exit pressed exactly when the
// window closed, and only by an action that can press it; and, when it is open, that it takes
// input again: no list, menu or box left open, no button left pressed, the window active.
QString LifeBroken(const frmQuorvel& form, const Controls& c, const monkey::Action& action,
                   int exitPresses) {
    const bool open = form.isVisible();
    if (exitPresses > 1)
        return QStringLiteral("Exit ran %1 times").arg(exitPresses);
    if (exitPresses == 1 && !action.mayExit)
        return QStringLiteral("Exit was pressed by an action that cannot press it");
    if (exitPresses == 0 && action.mustExit)
        return QStringLiteral("Exit was not pressed");
    if (exitPresses == 1 && open)
        return QStringLiteral("Exit was pressed, but the window stayed open");
    if (exitPresses == 0 && !open)
        return QStringLiteral("the window closed without Exit");
    if (QApplication::activePopupWidget())
        return QStringLiteral("a drop-down list or menu stayed open");
    if (QApplication::activeModalWidget())
        return QStringLiteral("a modal window stayed open");
    for (const QPushButton* button : {c.cmdCalculate, c.cmdReset, c.cmdExit}) {
        if (button->isDown())
            return button->objectName() + QStringLiteral(" stayed pressed");
    }
    if (open && !form.isActiveWindow() &&
        !QTest::qWaitFor([&form] { return form.isActiveWindow(); }, 5000))
        return QStringLiteral("the window no longer takes input: it did not become active again");
    return {};
}

// The offscreen platform warns, for every box and list that opens, that it cannot raise windows,
// grab the keyboard or pass on size hints; thousands of these would hide a warning that matters.
QtMessageHandler keepMessage = nullptr;

void DropPlatformLimits(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtWarningMsg && text.startsWith(QLatin1String("This plugin does not support")))
        return;
    keepMessage(type, context, text);
}

void PrintReplay(std::uint32_t seed, const QStringList& log, const QString& fault) {
    qInfo().noquote() << QStringLiteral("Monkey seed %1 failed after action %2: %3")
                             .arg(seed)
                             .arg(log.size())
                             .arg(fault);
    qInfo().noquote() << QStringLiteral("Replay: QT_QPA_PLATFORM=offscreen QUORVEL_MONKEY_SEED=%1 "
                                        "QUORVEL_MONKEY_ACTIONS=%2 %3")
                             .arg(seed)
                             .arg(log.size())
                             .arg(QCoreApplication::applicationFilePath());
    qInfo().noquote() << "Actions (numbered from 1):";
    for (qsizetype first = 0; first < log.size(); first += TokensPerLogLine)
        qInfo().noquote() << QStringLiteral("%1: ").arg(first + 1, 6) +
                                 log.mid(first, TokensPerLogLine).join(QLatin1Char(' '));
}

} // namespace

class Monkey : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { keepMessage = qInstallMessageHandler(DropPlatformLimits); }
    void cleanupTestCase() { qInstallMessageHandler(keepMessage); }

    void randomUserActions_data() {
        QTest::addColumn<std::uint32_t>("seed");
        QTest::addColumn<int>("actions");
        bool countGiven = false;
        const int count = qEnvironmentVariableIntValue("QUORVEL_MONKEY_ACTIONS", &countGiven);
        if (countGiven && count < 1)
            QFAIL("QUORVEL_MONKEY_ACTIONS must be a positive number");
        const int actions = countGiven ? count : DefaultActionsPerSeed;
        if (qEnvironmentVariableIsSet("QUORVEL_MONKEY_SEED")) {
            bool seedGiven = false;
            const std::uint32_t seed =
                qEnvironmentVariable("QUORVEL_MONKEY_SEED").toUInt(&seedGiven);
            if (!seedGiven)
                QFAIL("QUORVEL_MONKEY_SEED must be a number from 0 to 4294967295");
            QTest::addRow("seed %u", seed) << seed << actions;
            return;
        }
        for (std::uint32_t seed : DefaultSeeds)
            QTest::addRow("seed %u", seed) << seed << actions;
    }

    void randomUserActions() {
        QFETCH(std::uint32_t, seed);
        QFETCH(int, actions);
        testing::MessageBoxAnswerer answerer;
        QStringList strangeBoxes;
        answerer.whileOpen = [&strangeBoxes](const testing::ShownBox& box) {
            const QString strange = monkey::StrangeBox(box);
            if (!strange.isEmpty())
                strangeBoxes.append(strange);
        };
        monkey::Monkey monkey(seed);
        QStringList log;
        Tally tally;
        Controls c;
        std::optional<frmQuorvel> form;
        QVERIFY(Open(form, c, tally));
        int windows = 1;
        for (int done = 0; done < actions; ++done) {
            const int exitsBefore = tally.exits;
            const monkey::Action action = monkey.act(*form, c);
            log.append(action.token);
            QCoreApplication::processEvents();
            QString fault = LifeBroken(*form, c, action, tally.exits - exitsBefore);
            if (fault.isEmpty() && form->isVisible())
                fault = monkey::BrokenPromise(c);
            if (fault.isEmpty() && !strangeBoxes.isEmpty())
                fault = QStringLiteral("unexpected ") + strangeBoxes.join(QStringLiteral("; "));
            if (!fault.isEmpty()) {
                PrintReplay(seed, log, fault);
                QFAIL(qPrintable(fault));
            }
            if (!form->isVisible()) {
                QVERIFY(Open(form, c, tally));
                ++windows;
            } else if (!c.txtHP->text().isEmpty()) {
                ++tally.resultChecks;
            }
        }
        qInfo().noquote() << QStringLiteral("seed %1: %2 actions on %3 windows; %4 results "
                                            "written and checked after %5 actions, %6 message "
                                            "boxes answered, %7 list choices")
                                 .arg(seed)
                                 .arg(actions)
                                 .arg(windows)
                                 .arg(tally.results)
                                 .arg(tally.resultChecks)
                                 .arg(answerer.boxes().size())
                                 .arg(tally.listChoices);
    }
};

QTEST_MAIN(Monkey)
#include "test_monkey.moc"
