#include "library/ui/loadedview.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

namespace parkwen {

namespace {

enum Column { CarColumn, PackColumn, StateColumn, FilesColumn, ColumnCount };

QString stateText(const PackCar& car)
{
    switch (car.state) {
    case PackCar::State::Loaded:
        if (car.mixed())
            return LoadedView::tr("loaded, mixed with the files of %1")
                .arg(car.replaces.join(QStringLiteral(", ")));
        if (!car.replaces.isEmpty())
            return LoadedView::tr("loaded; replaces the car of pack %1")
                .arg(car.replaces.join(QStringLiteral(", ")));
        return LoadedView::tr("loaded");
    case PackCar::State::Hidden:
        return LoadedView::tr("hidden by pack %1").arg(car.hiddenBy);
    case PackCar::State::NotEnabled:
        return LoadedView::tr("its pack is off");
    }
    return {};
}

// Which file the game takes from which pack, for a car in several packs.
QString filesText(const PackCar& car)
{
    QStringList files;
    for (auto it = car.fileSources.cbegin(); it != car.fileSources.cend(); ++it)
        files << it.key() + QStringLiteral(": ") + it.value();
    return files.join(QStringLiteral(", "));
}

} // namespace

LoadedView::LoadedView(const GameContent& content, QWidget* parent)
    : QDialog(parent), m_model(new QStandardItemModel(0, ColumnCount, this)),
      m_filter(new QSortFilterProxyModel(this)), m_text(new QLineEdit(this)), m_view(new QTableView(this))
{
    setObjectName(QStringLiteral("LoadedView"));
    setWindowTitle(tr("Loaded by the game (packlist %1)").arg(content.packlistName()));
    m_model->setHorizontalHeaderLabels({tr("Car"), tr("Pack"), tr("State"), tr("Files from")});
    m_model->setRowCount(int(content.cars().size()));
    int row = 0;
    for (const PackCar& car : content.cars()) {
        const QString cells[ColumnCount] = {car.name, car.pack, stateText(car), filesText(car)};
        for (int column = 0; column < ColumnCount; ++column) {
            auto* item = new QStandardItem(cells[column]);
            item->setEditable(false);
            if (column == CarColumn)
                item->setToolTip(car.path);
            m_model->setItem(row, column, item);
        }
        ++row;
    }
    m_filter->setSourceModel(m_model);
    m_filter->setFilterCaseSensitivity(Qt::CaseInsensitive);
    m_filter->setFilterKeyColumn(-1);
    m_filter->setSortCaseSensitivity(Qt::CaseInsensitive);

    m_text->setObjectName(QStringLiteral("LoadedFilter"));
    m_text->setPlaceholderText(tr("Filter by car, pack or state"));
    m_text->setAccessibleName(tr("Filter the cars of every pack"));
    m_text->setClearButtonEnabled(true);
    connect(m_text, &QLineEdit::textChanged, m_filter, &QSortFilterProxyModel::setFilterFixedString);

    m_view->setObjectName(QStringLiteral("LoadedTable"));
    m_view->setAccessibleName(tr("Every car of every pack, and what the game makes of it"));
    m_view->setModel(m_filter);
    m_view->setSortingEnabled(true);
    m_view->sortByColumn(CarColumn, Qt::AscendingOrder);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->verticalHeader()->hide();
    m_view->horizontalHeader()->setStretchLastSection(true);
    m_view->setColumnWidth(CarColumn, 160);
    m_view->setColumnWidth(PackColumn, 110);
    m_view->setColumnWidth(StateColumn, 260);

    QString text = content.hasPacklist() ? loadedSentence(content.loadedCount(), content.packsLoadedFrom())
                                         : tr("No packlist: the game loads its own folder only.");
    for (const QString& line : content.problems() + content.caseTwins())
        text += QLatin1Char('\n') + line;
    auto* summary = new QLabel(text, this);
    summary->setWordWrap(true);
    summary->setObjectName(QStringLiteral("LoadedSummary"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_text);
    layout->addWidget(m_view, 1);
    layout->addWidget(summary);
    resize(820, 520);
}

int LoadedView::shownCount() const
{
    return m_filter->rowCount();
}

} // namespace parkwen
