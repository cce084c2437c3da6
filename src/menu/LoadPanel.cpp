#include "LoadPanel.h"

#include "menu/MenuRules.h"
#include "platform/Files.h"
#include "state/Paths.h"
#include "trade/SaveGame.h"
#include "widgets/GameServices.h"

#include <QLabel>
#include <QListWidget>

namespace vlnobrod {

LoadPanel::LoadPanel(GameServices& game, QWidget* parent)
    : Panel(QStringLiteral("Načíst hru"), parent), game_(game) {
    resize(430, 330);
    auto* lbl3 = new QLabel(QStringLiteral("Vyberte kterou hru načíst:"), this);
    lbl3->setGeometry(12, 28, 260, 18);
    FileLoad = new QListWidget(this);
    FileLoad->setAccessibleName(lbl3->text());
    FileLoad->setGeometry(12, 50, 200, 266);
    FileLoad->setStyleSheet(QStringLiteral("background: #fbf5e4; color: #2b1d0e;"));
    connect(FileLoad, &QListWidget::currentRowChanged, this, [this] { FileLoad_Click(); });
    connect(FileLoad, &QListWidget::itemDoubleClicked, this, [this] {
        if (onChosen)
            onChosen();
    });

    auto detail = [this](const QString& text, int top) {
        auto* l = new QLabel(text, this);
        l->setTextFormat(Qt::PlainText); // the owner and company a save names, as written
        l->setGeometry(224, top, 196, 20);
        l->setStyleSheet(QStringLiteral("background: #fbf5e4; border: 1px solid #a08050; "
                                        "padding-left: 3px;"));
        return l;
    };
    lbl1 = detail(QStringLiteral("Jméno majitele"), 50);
    lbl2 = detail(QStringLiteral("Název společnosti"), 76);
    lbl35 = detail(QStringLiteral("Datum a čas"), 102);
    lblProblem = new QLabel(this);
    lblProblem->setTextFormat(Qt::PlainText);
    lblProblem->setWordWrap(true);
    lblProblem->setStyleSheet(QStringLiteral("color: #b01010;"));
    lblProblem->setGeometry(224, 128, 196, 54);
    lblProblem->hide();
}

QString LoadPanel::Folder() const {
    return QString::fromStdString(SaveFolder(game_.state.Places));
}

void LoadPanel::Refresh() {
    const QSignalBlocker quiet(FileLoad);
    FileLoad->clear();
    FileLoad->addItems(files::List(Folder(), QStringLiteral("*.mlo")));
    FileLoad->setCurrentRow(-1);
}

int LoadPanel::SelectedIndex() const {
    return FileLoad->currentRow();
}

QString LoadPanel::SelectedFile() const {
    const int i = SelectedIndex();
    if (i < 0 || i >= FileLoad->count())
        return {};
    return Folder() + QLatin1Char('/') + FileLoad->item(i)->text();
}

void LoadPanel::Select(int index) {
    FileLoad->setCurrentRow(index);
}

void LoadPanel::FileLoad_Click() {
    const QString file = SelectedFile();
    if (file.isEmpty())
        return;
    const QDateTime when = files::ModificationTime(file);
    const QDate day = when.date();
    const QTime t = when.time();
    lbl35->setText(QString::fromStdString(
        SaveTimeText({day.year(), day.month(), day.day(), t.hour(), t.minute(), t.second()})));
    const SaveDetails d = ReadSaveDetails(game_.profiles, file.toStdString());
    lbl1->setText(QString::fromStdString(d.owner));
    lbl2->setText(QString::fromStdString(d.company));
}

int LoadPanel::NewestIndex() const {
    std::vector<std::int64_t> modified;
    for (int i = 0; i < FileLoad->count(); ++i) {
        const QDateTime t =
            files::ModificationTime(Folder() + QLatin1Char('/') + FileLoad->item(i)->text());
        modified.push_back(t.isValid() ? t.toSecsSinceEpoch() : 0);
    }
    return NewestSave(modified);
}

void LoadPanel::ShowProblem(const QString& text) {
    lblProblem->setText(text);
    lblProblem->setVisible(!text.isEmpty());
}

} // namespace vlnobrod
