#pragma once
// The main form of the power program: five pages with the inputs, the measured-value grids,
// the result table, the diagram and the import settings, the menu and the file dialogs. It
// shows the core's texts and chart, writes back what the user types, and calls the core's
// routines from its handlers. Every handler runs through the one guard of the program.

#include "dynalyt/core/FormActions.h"
#include "dynalyt/core/MainUnit.h"

#include <QMainWindow>

#include <functional>

class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPushButton;
class QTabWidget;

namespace dynalyt {

class LinkLabel;
class TChart;
class TStringGrid;
class TfAbout;

class TfMain : public QMainWindow, public IFormActions {
    Q_OBJECT
public:
    // The program's own path locates its settings file and its help text.
    explicit TfMain(const QString& programPath);
    ~TfMain() override;

    // The core: the program's state, the form's texts and the chart model.
    MainUnit m_unit;

    QTabWidget* Tabs;
    QWidget* ts1;
    QWidget* ts2;
    QWidget* ts3;
    QWidget* ts4;
    QWidget* ts5;

    // Page "Eingaben", in the order of InputEdit.
    QLineEdit* e_datum;
    QLineEdit* e_leergew;
    QLineEdit* e_insassengew;
    QLineEdit* e_kraftstoffgew;
    QLineEdit* e_sonstgew;
    QLineEdit* e_gew;
    QLineEdit* e_luftdr;
    QLineEdit* e_temp;
    QLineEdit* e_fahrzeug;
    QLineEdit* e_serienleistung;
    QLineEdit* e_motorkenn;
    QLineEdit* e_modelljahr;
    QLineEdit* e_modif;
    QLineEdit* e_abruv;

    // Page "Messwerte".
    QGroupBox* gb1;
    TStringGrid* m_beschl;
    QPushButton* b_beschl_l;
    QPushButton* b_beschl;
    QGroupBox* gb2;
    TStringGrid* m_ausr;
    QPushButton* b_ausr_l;
    QPushButton* b_ausr;
    QPushButton* b_logimport;
    QLabel* Label6;

    // Page "Auswertung".
    TStringGrid* a;

    // Page "Diagramm".
    TChart* Chart1;
    QLabel* Label18;
    QLabel* maxps;
    QLabel* maxnm;
    QLabel* maxg;
    LinkLabel* URL;
    LinkLabel* Label59;

    // Page "Einstellungen".
    QGroupBox* gb5;
    QLabel* Label19;
    QLabel* Label20;
    QLabel* Label57;
    QLabel* Label58;
    QComboBox* z_trenner;
    QLineEdit* s_zeit;
    QLineEdit* s_umin;
    QLineEdit* s_kmh;
    QPushButton* zsetzen;

    // Menu.
    QMenuBar* mm1;
    QMenu* Datei1;
    QAction* laden;
    QAction* speichern;
    QAction* drucken;
    QAction* grafik_speichern;
    QAction* beenden;
    QMenu* Info1;
    QAction* Help;
    QAction* About;

    TfAbout* fAbout;

    QLineEdit* EditOf(InputEdit edit) const;

    // IFormActions
    void ShowMessage(const QString& text) override;
    void ShowError(const QString& text) override;
    void ShowPage(Page page) override;
    void FocusEdit(InputEdit edit) override;

public slots:
    void FormCreate();
    void FormShow();
    void FormCloseQuery(bool& canClose);
    void beendenClick();
    void HelpClick();
    void AboutClick();
    void URLClick();
    void TabsChange();
    void e_leergewChange();
    void ladenClick();
    void speichernClick();
    void druckenClick();
    void grafik_speichernClick();
    void b_logimportClick();
    void b_beschlClick();
    void b_ausrClick();
    void b_beschl_lClick();
    void b_ausr_lClick();
    void z_trennerChange();
    void zsetzenClick();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void CreatePageInputs();
    void CreatePageRuns();
    void CreatePageResults();
    void CreatePageDiagram();
    void CreatePageSettings();
    void CreateMenu();

    // Runs a handler through the guard: open cell editors are committed first, so that it
    // reads what was typed, and the core's texts are shown again afterwards, also when it
    // ended with an error.
    void Handle(const std::function<void()>& handler);
    void CommitEditors();
    void ShowTexts();
    // What the user changes in an edit (typing, pasting, undoing) goes into the core's text.
    void BindEdit(QLineEdit* edit, QString& text);

    QString m_programPath;
    bool m_bShown = false;
    bool m_bShowingTexts = false; // the edits are being set from the core's texts
};

} // namespace dynalyt
