#pragma once

#include "library/carlist.h"

#include <QString>

namespace parkwen {

// What a car folder is for. The Car Folder holds the cars the game loads; the Garage Folder the
// cars kept aside. Another kind of folder the game loads cars from (a content pack's cars/ folder)
// is another role with its own answers to the questions below.
enum class FolderRole { Cars, Garage };
// Where a car moved from one of the two folders goes.
inline FolderRole otherRole(FolderRole role)
{
    return role == FolderRole::Cars ? FolderRole::Garage : FolderRole::Cars;
}

// One car folder as Parkwen sees it: where it is, its cars with their pictures (the list the
// window shows), the number its count shows and the car chosen in it last. The library holds one
// per folder and runs the same scan, choosing and moving on each; what differs between folders is
// asked of the role, never written twice.
class CarFolder
{
public:
    explicit CarFolder(FolderRole role) : m_role(role) {}
    CarFolder(const CarFolder&) = delete;
    CarFolder& operator=(const CarFolder&) = delete;

    FolderRole role() const { return m_role; }
    const QString& path() const { return m_path; }
    void setPath(const QString& path) { m_path = path; }

    CarList& list() { return m_list; }
    const CarList& list() const { return m_list; }
    PictureStore& pictures() { return m_pictures; }
    const PictureStore& pictures() const { return m_pictures; }

    // The number of cars the folder's count shows. A scan sets it; each move, install or deletion
    // adds to it or takes from it; a scan that stopped early leaves it as it was.
    qint64 count() const { return m_count; }
    void setCount(qint64 count) { m_count = count; }
    // The car chosen in the folder's list last (what its commands act on).
    const QString& chosen() const { return m_chosen; }
    void setChosen(const QString& name) { m_chosen = name; }
    // The stock-listing mode marks the game's own cars at list positions 1 to 150 only.
    static constexpr int StockPositions = 151;
    // Whether the entry at `row` is one of the game's own cars, listed in the stock-listing mode.
    bool isStockAt(int row) const
    {
        return row >= 0 && row < m_list.count() && row + 1 < StockPositions && m_list.at(row).stock;
    }

    // --- What the role decides ---
    // The game loads these cars: the count is held against the Max Car Amount (the light), and
    // in the stock-listing mode the game's own cars are listed, never sent away or deleted.
    bool isLoadedByGame() const { return m_role == FolderRole::Cars; }
    // A picture that cannot be read stops the scan of a loaded folder (the game would stumble over
    // the car too); elsewhere the car is listed without its picture and the scan goes on.
    bool scanStopsAtBadPicture() const { return m_role == FolderRole::Cars; }
    // What the progress says while the folder is read.
    QString scanLabel() const;

private:
    FolderRole m_role;
    QString m_path;
    PictureStore m_pictures;
    CarList m_list{m_pictures};
    qint64 m_count = 0;
    QString m_chosen;
};

} // namespace parkwen
