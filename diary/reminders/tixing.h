#pragma once

#include "common/AppContext.h"
#include "diary/reminders/DueCheck.h"
#include "diary/widgets/CalendarStep.h"

#include <QDate>
#include <QPointer>
#include <QStringList>
#include <QWidget>
#include <memory>

class ImageButton;
class QFrame;
class QLabel;
class QPushButton;
class QStatusBar;
class QTableView;
class QTimer;
class ReminderSound;
class ShapeButton;
class TAddMod_tixing_form;
class TBmpClock;
class TMagnetic;
class TMoxCalendar;
class TShowTixingInfForm;
class Tdm1;

// The reminder window: a month calendar, the grid of one day's reminders, the commands that
// add, modify and delete them and list today's, a clock, and the timer that announces a
// reminder when its minute comes, whether the window is shown or not.
class TTixingForm final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TTixingForm)

public:
    static constexpr int TimerPeriod = 30000;

    // mainWindow: the window this one snaps to; sound: where the announcements' sound goes
    // (the wave player when none is given).
    TTixingForm(const AppContext& context, Tdm1& dm1, QWidget* mainWindow, ReminderSound* sound = nullptr,
        QWidget* parent = nullptr);
    ~TTixingForm() override;

    // The dialog and the notice are made after this window.
    void setDialogs(TAddMod_tixing_form* dialog, TShowTixingInfForm* notice);

    // Handlers, also called by tests.
    void Timer1Timer();
    // The day the grid lists.
    QDate dayViewDate() const { return m_date; }
    void fcShapeBtn1Click();
    void fcShapeBtn2Click();
    void fcShapeBtn3Click();
    void fcShapeBtn4Click();

    QPushButton* fcImageBtn1;
    TMoxCalendar* MoxCalendar1;
    ImageButton* PreYearBtn;
    ImageButton* NextYearBtn;
    ImageButton* PreMonBtn;
    ImageButton* NextMonBtn;
    QTableView* DBGrid1;
    QFrame* fcPanel1;
    TBmpClock* BmpClock1;
    QLabel* Image1;
    ShapeButton* fcShapeBtn1;
    ShapeButton* fcShapeBtn2;
    ShapeButton* fcShapeBtn3;
    ShapeButton* fcShapeBtn4;
    QStatusBar* StatusBar1;
    QLabel* weekdayPanel;
    QLabel* hintPanel;
    QTimer* Timer1;
    TMagnetic* Magnetic1;
    // The due list or today's list, never shown.
    QStringList ListBox2;

protected:
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildCalendar();
    void buildPanel();
    void buildStatusBar();
    void FormShow();
    void FormMouseDown();
    void MoxCalendar1DblClick();
    void MoxCalendar1Change();
    void step(CalendarStep direction);
    void fcImageBtn1Click();
    void followDayView();
    void announce(const QString& content);
    // Runs one of the full scans; a tick that comes while its failure message is open skips.
    template <typename Fill> void scanInto(Fill fill);
    // Shows the dialog; true when the user answered Yes.
    bool runDialog(const QString& caption);
    void setHint(const QString& hint);

    AppContext m_context;
    Tdm1& m_dm1;
    QPointer<QWidget> m_mainWindow;
    std::unique_ptr<ReminderSound> m_ownSound;
    ReminderSound* m_sound;
    QPointer<TAddMod_tixing_form> AddMod_tixing_form;
    QPointer<TShowTixingInfForm> ShowTixingInfForm;
    DueCheck m_dueCheck;
    bool m_scanning = false;
    QDate m_date;
    int m_year = 0;
    int m_month = 0;
    int m_day = 0;
    QHash<QObject*, QString> m_hints;
};
