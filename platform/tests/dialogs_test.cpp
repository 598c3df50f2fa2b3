#include "platform/qt/qtdialogs.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using namespace parkwen;

class DialogsTest : public QObject
{
    Q_OBJECT

    // Shows a question and presses `key` in it as soon as it is up; the answer and the default button.
    static std::pair<Dialogs::Answer, QString> press(Dialogs::Buttons buttons, Qt::Key key)
    {
        QtDialogs dialogs(QStringLiteral("Parkwen"));
        QString defaultButton;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            if (box->defaultButton())
                defaultButton = box->defaultButton()->text().remove(QLatin1Char('&'));
            QTest::keyClick(box, key);
        });
        const Dialogs::Answer answer =
            dialogs.message(QStringLiteral("Delete A.txt?"), Dialogs::Icon::Question, buttons);
        return {answer, defaultButton};
    }

private slots:
    void destructiveQuestion_enterAndEscapeBothAnswerNo()
    {
        QCOMPARE(press(Dialogs::Buttons::YesNoDefaultNo, Qt::Key_Return),
                 std::make_pair(Dialogs::Answer::No, QStringLiteral("No")));
        QCOMPARE(press(Dialogs::Buttons::YesNoDefaultNo, Qt::Key_Escape).first, Dialogs::Answer::No);
        // The plain Yes/No question keeps Yes as its default.
        QCOMPARE(press(Dialogs::Buttons::YesNo, Qt::Key_Return),
                 std::make_pair(Dialogs::Answer::Yes, QStringLiteral("Yes")));
    }
};

QTEST_MAIN(DialogsTest)
#include "dialogs_test.moc"
