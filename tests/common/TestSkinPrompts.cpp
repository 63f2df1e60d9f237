#include "common/PasswordDialog.h"
#include "common/QtPrompts.h"
#include "common/SkinDialog.h"
#include "tests/support/TestMain.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTest>
#include <QTimer>
#include <functional>

// The real prompts, answered by keys sent to the dialog once it is up.
class TestSkinPrompts : public QObject
{
    Q_OBJECT

private slots:
    void confirmAnswers_data();
    void confirmAnswers();
    void noticeAndErrorHaveOneOkButton();
    void inputReturnsTypedTextOrNothing_data();
    void inputReturnsTypedTextOrNothing();
    void passwordFieldsMaskWithStars();
    void promptIsCentredOnTheAskingWindow();
    void textHasEvenMargins();

private:
    // Runs look on the prompt as soon as it is shown, then presses key in it.
    void whenShown(std::function<void(SkinDialog*)> look, Qt::Key key);
    static QStringList buttonTexts(const QWidget* dialog);
    static void saveShot(QWidget* dialog, const QString& name);

    QString m_caption;
    QStringList m_buttons;
};

void TestSkinPrompts::whenShown(std::function<void(SkinDialog*)> look, Qt::Key key)
{
    QTimer::singleShot(0, this, [look, key] {
        auto* dialog = qobject_cast<SkinDialog*>(QApplication::activeModalWidget());
        QVERIFY2(dialog, "no skinned dialog came up");
        look(dialog);
        QTest::keyClick(dialog->focusWidget() ? dialog->focusWidget() : dialog, key);
    });
}

QStringList TestSkinPrompts::buttonTexts(const QWidget* dialog)
{
    QStringList texts;
    for (const QPushButton* button : dialog->findChildren<QPushButton*>())
        texts.append(button->text());
    return texts;
}

void TestSkinPrompts::saveShot(QWidget* dialog, const QString& name)
{
    const QString folder = qEnvironmentVariable("DAILORA_SHOT_DIR");
    if (!folder.isEmpty())
        dialog->grab().save(QDir(folder).filePath(name));
}

void TestSkinPrompts::confirmAnswers_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("yes");
    QTest::newRow("Enter answers Yes") << int(Qt::Key_Return) << true;
    QTest::newRow("Escape answers No") << int(Qt::Key_Escape) << false;
}

void TestSkinPrompts::confirmAnswers()
{
    QFETCH(int, key);
    QFETCH(bool, yes);
    QtPrompts prompts(QStringLiteral("Dailora"));
    whenShown(
        [this](SkinDialog* dialog) {
            m_caption = dialog->windowTitle();
            m_buttons = buttonTexts(dialog);
            saveShot(dialog, QStringLiteral("question.png"));
        },
        Qt::Key(key));
    QCOMPARE(prompts.confirm(QStringLiteral("你确定吗？")), yes);
    QCOMPARE(m_caption, QStringLiteral("Dailora"));
    QCOMPARE(m_buttons, (QStringList { QStringLiteral("是"), QStringLiteral("否") }));
}

void TestSkinPrompts::noticeAndErrorHaveOneOkButton()
{
    QtPrompts prompts(QStringLiteral("Dailora"));
    whenShown([this](SkinDialog* dialog) { m_buttons = buttonTexts(dialog); }, Qt::Key_Return);
    prompts.notice(QStringLiteral("写入成功"));
    QCOMPARE(m_buttons, QStringList { QStringLiteral("确定") });
    whenShown(
        [this](SkinDialog* dialog) {
            m_caption = dialog->windowTitle();
            m_buttons = buttonTexts(dialog);
            saveShot(dialog, QStringLiteral("error.png"));
        },
        Qt::Key_Return);
    prompts.error(QStringLiteral("Cannot create file \"/tmp/x/temp.nod\". Permission denied"));
    QCOMPARE(m_caption, QStringLiteral("Dailora"));
    QCOMPARE(m_buttons, QStringList { QStringLiteral("确定") });
}

void TestSkinPrompts::inputReturnsTypedTextOrNothing_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<std::optional<QString>>("answer");
    QTest::newRow("Enter keeps the text") << int(Qt::Key_Return) << std::optional<QString>(QStringLiteral("会议x"));
    QTest::newRow("Escape cancels") << int(Qt::Key_Escape) << std::optional<QString>();
}

void TestSkinPrompts::inputReturnsTypedTextOrNothing()
{
    QFETCH(int, key);
    QFETCH(std::optional<QString>, answer);
    QtPrompts prompts(QStringLiteral("Dailora"));
    whenShown(
        [this](SkinDialog* dialog) {
            m_buttons = buttonTexts(dialog);
            QTest::keyClick(dialog->findChild<QLineEdit*>(), Qt::Key_End);
            QTest::keyClicks(dialog->findChild<QLineEdit*>(), QStringLiteral("x"));
            saveShot(dialog, QStringLiteral("input.png"));
        },
        Qt::Key(key));
    QCOMPARE(
        prompts.input(QStringLiteral("增加类别"), QStringLiteral("请输入类别名称:"), QStringLiteral("会议")), answer);
    QCOMPARE(m_buttons, (QStringList { QStringLiteral("确定"), QStringLiteral("取消") }));
}

void TestSkinPrompts::passwordFieldsMaskWithStars()
{
    PasswordDialog dialog(QStringLiteral("修改密码窗口"), { QStringLiteral("原始密码:"), QStringLiteral("修改密码:") },
        { QStringLiteral("abc"), QString() });
    dialog.show();
    const QList<QLineEdit*> fields = dialog.findChildren<QLineEdit*>();
    QCOMPARE(fields.size(), 2);
    for (const QLineEdit* field : fields) {
        QCOMPARE(field->echoMode(), QLineEdit::Password);
        QCOMPARE(field->style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter, nullptr, field), int('*'));
    }
    saveShot(&dialog, QStringLiteral("password.png"));
}

void TestSkinPrompts::promptIsCentredOnTheAskingWindow()
{
    QWidget window;
    window.setGeometry(100, 80, 800, 600);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QtPrompts prompts(QStringLiteral("Dailora"));
    QPoint centre;
    whenShown([&centre](SkinDialog* dialog) { centre = dialog->geometry().center(); }, Qt::Key_Return);
    window.activateWindow();
    QTRY_VERIFY(QApplication::activeWindow() == &window);
    prompts.notice(QStringLiteral("写入成功"));
    QVERIFY2((centre - window.frameGeometry().center()).manhattanLength() <= 2,
        qPrintable(QStringLiteral("centre %1,%2").arg(centre.x()).arg(centre.y())));
}

void TestSkinPrompts::textHasEvenMargins()
{
    QtPrompts prompts(QStringLiteral("Dailora"));
    int left = -1;
    int right = -1;
    whenShown(
        [&left, &right](SkinDialog* dialog) {
            const QWidget* first = dialog->findChild<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
            const auto* text = dialog->findChild<QLabel*>(QStringLiteral("promptText"));
            left = first->geometry().left();
            right = dialog->width() - 1 - text->geometry().right();
        },
        Qt::Key_Return);
    prompts.confirm(QStringLiteral("所选记录将要被删除，你确定吗？"), {}, Prompts::Icon::Warning);
    QCOMPARE(left, SkinDialog::Margin);
    QCOMPARE(right, SkinDialog::Margin);
}

DAILORA_TEST_MAIN(TestSkinPrompts)
#include "TestSkinPrompts.moc"
