#pragma once

#include "common/AppContext.h"
#include "common/DocumentOpener.h"

#include <QDate>
#include <QWidget>

class ArrowButton;
class DocDocument;
class OutlinedLabel;
class QAction;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class TDM;
class TMoxCalendar;

// The calendar browsing window: a double click on a day lists its diary entries, and the
// calendar's menu exports the shown month or week as a word-processor document.
class TTongjiForm final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TTongjiForm)

public:
    TTongjiForm(const AppContext& context, TDM& dm, DocumentOpener& opener, QWidget* parent = nullptr);
    ~TTongjiForm() override;

    void FormShow();
    void MoxCalendar1Change();
    void MoxCalendar1DblClick();
    void fcImageBtn1Click();
    void PreYearBtnClick();
    void NextYearBtnClick();
    void PreMonBtnClick();
    void NextMonBtnClick();
    void N1Click();
    void Word1Click();

    QDate SelectedDay;
    int ShownYear = 0;
    int ShownMonth = 0;
    int ShownDay = 0;

    OutlinedLabel* fcLabel1;
    QPushButton* fcImageBtn1;
    TMoxCalendar* MoxCalendar1;
    ArrowButton* PreYearBtn;
    ArrowButton* NextYearBtn;
    ArrowButton* PreMonBtn;
    ArrowButton* NextMonBtn;
    QPlainTextEdit* Memo2;
    QMenu* PopupMenu1;
    QAction* N1;
    QAction* Word1;

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void buildCaption();
    void buildCalendar();
    void buildMemo();
    void buildMenu();
    void splitShownDate();
    // Writes the document to its file and hands it to the opener.
    void publish(const DocDocument& document, const QString& baseName);
    void reportOpening(const DocumentOpener::Result& result, const QString& path);

    AppContext m_context;
    TDM& m_dm;
    DocumentOpener& m_opener;
};
