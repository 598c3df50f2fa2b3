#pragma once

#include <QHash>
#include <QIdentityProxyModel>

namespace parkwen {

class CarList;

// Knows which car names (ignoring letter case) are in both folders. Only one of two such cars is
// the one the game loads, so the lists mark them. It follows the two lists as they change.
class BothFolders : public QObject
{
    Q_OBJECT
public:
    BothFolders(const CarList& cars, const CarList& garage, QObject* parent = nullptr);

    // True when a car of this name is in the other folder than the list named (carList: the Car
    // Folder's list).
    bool inOther(bool carList, const QString& name) const;

signals:
    // The names in one folder changed, so the marks of the other list's entries may have.
    void marksChanged(bool carList);

private:
    struct Side
    {
        const CarList* list;
        QHash<QString, int> names; // case-folded name -> number of entries
    };
    void watch(bool carList);
    void rebuild(Side& side);
    static QString keyOf(const QString& name) { return name.toCaseFolded(); }

    Side m_cars;
    Side m_garage;
};

// A list's entries with their mark: AlsoInOtherRole, and the tooltip that explains it.
class CarMarksModel : public QIdentityProxyModel
{
    Q_OBJECT
public:
    static constexpr int AlsoInOtherRole = Qt::UserRole + 40;

    CarMarksModel(const BothFolders& marks, bool carList, QObject* parent = nullptr);
    QVariant data(const QModelIndex& index, int role) const override;
    // Entries can be dragged (onto the other list).
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // "Also in the Garage Folder" for the car list's entries, "Also in the Car Folder" for the
    // garage list's.
    QString markText() const;

private:
    const BothFolders& m_marks;
    bool m_carList;
};

} // namespace parkwen
