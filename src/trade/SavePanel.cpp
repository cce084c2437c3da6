#include "SavePanel.h"

#include "platform/Files.h"
#include "port/frmMain.h"
#include "state/Paths.h"
#include "trade/SaveGame.h"
#include "widgets/Art.h"
#include "widgets/PanelKeys.h"
#include "widgets/PortStyle.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

namespace vlnobrod {

SavePanel::SavePanel(frmMain& port) : QObject(&port), port_(port) {
    using namespace portstyle;
    setObjectName(QStringLiteral("SavePanel"));
    Panel* p = port.AddPanel(zalozka::Save, QString(), QRect(150, 50, 430, 350));
    panel_ = p;
    ClickLabel* title =
        MakeClickLabel(p, QStringLiteral("Uložit hru"), 6, 0, 360, Panel::TitleHeight, 10, true);
    SetBaseStyle(title, QStringLiteral("background: transparent; color: #fff6dc;"));
    title->setAttribute(Qt::WA_TransparentForMouseEvents);
    MakeClickLabel(p, QStringLiteral("Uložit jako:"), 16, 278, 120, 22);
    ClickLabel* save = MakeActionLabel(p, QStringLiteral("Uložit"), 310, 312, 100, 26, 12);
    save->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    save->setObjectName(QStringLiteral("save"));
    save->setCursor(art::HandCursor());
    connect(save, &ClickLabel::clicked, this, [this] { Save(); });

    FileSave = new QListWidget(p);
    FileSave->setAccessibleName(QStringLiteral("Uložené hry"));
    FileSave->setObjectName(QStringLiteral("saveList"));
    FileSave->setGeometry(16, 30, 398, 240);
    FileSave->setStyleSheet(QStringLiteral("background: #fbf5e4; color: #2b1d0e;"));
    connect(FileSave, &QListWidget::itemClicked, this, [this] { FileSave_Click(); });
    FileSave->installEventFilter(this); // Enter on a save takes its name into the box

    txtSave = new QLineEdit(p);
    txtSave->setAccessibleName(QStringLiteral("Uložit jako:"));
    txtSave->setObjectName(QStringLiteral("saveName"));
    txtSave->setGeometry(130, 278, 284, 24);
    txtSave->setMaxLength(MaxNameChars);
    txtSave->installEventFilter(this);
    // Typing or pasting past the box's 45 characters stops there, and the panel says why.
    connect(txtSave, &QLineEdit::inputRejected, this, [this] {
        lblProblem->setText(QString::fromUtf8(SaveNameTooLong));
        lblProblem->show();
    });

    SetBoxKeys(*p, {.focus = txtSave}); // the name is typed as the panel opens

    lblProblem = new QLabel(p);
    lblProblem->setObjectName(QStringLiteral("saveProblem"));
    lblProblem->setTextFormat(Qt::PlainText); // it may quote the name typed
    lblProblem->setGeometry(16, 304, 290, 40);
    lblProblem->setWordWrap(true);
    lblProblem->setStyleSheet(QStringLiteral("color: #b01010; background: transparent;"));
    lblProblem->hide();

    picPrůběh = new QFrame(&port);
    picPrůběh->setObjectName(QStringLiteral("saveProgress"));
    picPrůběh->setStyleSheet(
        QStringLiteral("QFrame#saveProgress { background: #efe2c0; border: 2px "
                       "solid #5a3b1a; } QLabel { color: #2b1d0e; }"));
    picPrůběh->setGeometry(300, 250, 340, 90);
    lbl39 = new QLabel(picPrůběh);
    lbl39->setGeometry(12, 10, 316, 24);
    lbl39->setStyleSheet(QStringLiteral("font-weight: bold;"));
    lbl35 = new QLabel(picPrůběh);
    lbl35->setGeometry(12, 44, 316, 24);
    picPrůběh->hide();

    port.SetAction(akce::OpenSave, [this] { Open(); });
    port.SetAction(akce::Statistics, [this] { OpenStatistics(); });
    port.AskToSave = [this] { return AskToSave(); };
}

void SavePanel::Refresh() {
    FileSave->clear();
    FileSave->addItems(files::List(QString::fromStdString(SaveFolder(port_.Game().state.Places)),
                                   QStringLiteral("*.mlo")));
}

void SavePanel::Open() {
    port_.PlaySoundName("Nabídka");
    port_.OpenPanel(zalozka::Save);
    lblProblem->hide();
    Refresh();
}

void SavePanel::FileSave_Click() {
    // The box takes the name without ".mlo": the name is what a save adds the ending to,
    // and the box holds no more than a name's 45 characters.
    QListWidgetItem* item = FileSave->currentItem();
    if (!item)
        return;
    const QString name = QString::fromStdString(SaveName(item->text().toStdString()));
    txtSave->setText(name);
    // A save named longer elsewhere comes in cut, and the panel says so: saving then makes a
    // new file rather than replacing the one chosen.
    lblProblem->setText(QString::fromUtf8(SaveNameTooLong));
    lblProblem->setVisible(name.size() > txtSave->maxLength());
}

bool SavePanel::Save() {
    port_.PlaySoundName("Cvak");
    const std::string name = SaveName(txtSave->text().toStdString());
    txtSave->setText(QString::fromStdString(name));
    // A name that cannot be a file name is refused in the panel; the game stays as it was.
    if (const std::string problem = SaveNameProblem(name); !problem.empty()) {
        lblProblem->setText(QString::fromStdString(problem));
        lblProblem->show();
        return false;
    }
    lblProblem->hide();

    picPrůběh->show();
    picPrůběh->raise();
    lbl39->setText(QStringLiteral("Ukládání hry"));
    lbl35->setText(QStringLiteral("Hra se ukládá, počkejte chvíli"));
    panel_->hide();
    QApplication::processEvents(); // the progress panel is drawn before the writing

    GameServices& game = port_.Game();
    const SaveOutcome outcome = SaveGame(game.profiles, game.state, name);
    Refresh();
    picPrůběh->hide();
    if (!outcome.saved) {
        std::string title = "Uložení hry";
        port_.ShowMessage(outcome.message, MessageButtons::OK, title);
        Open(); // another name, another try
        return false;
    }
    return true;
}

bool SavePanel::AskToSave() {
    return MayLeave(port_.Game().state, port_, [this] {
        txtSave->setText(QString::fromUtf8(LastGameName));
        return Save();
    });
}

void SavePanel::OpenStatistics() {
    port_.PlaySoundName("Cvak");
    if (port_.OpenResultsWindow)
        port_.OpenResultsWindow();
}

bool SavePanel::eventFilter(QObject* watched, QEvent* e) {
    if (watched == FileSave && e->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(e)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            FileSave_Click();
            txtSave->setFocus(Qt::OtherFocusReason); // where Enter saves
            return true;
        }
    }
    if (watched == txtSave && e->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(e)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            Save();
            return true; // the Enter itself never reaches the box
        }
        if (key != Qt::Key_Shift && key != Qt::Key_Escape)
            port_.PlaySoundName("Type");
    }
    return QObject::eventFilter(watched, e);
}

} // namespace vlnobrod
