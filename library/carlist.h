#pragma once

#include "library/carnames.h"
#include "library/thumbcache.h"
#include "platform/error.h"

#include <QAbstractListModel>
#include <QCache>
#include <QHash>
#include <QImage>

#include <vector>

namespace parkwen {

// A picture store: 64x64 pictures registered under a key ("nameCAR"), numbered in the order
// registered. A picture stays registered until the store is cleared, even when its entry leaves
// the list; a key is registered at most once.
//
// With a thumbnail cache, a picture the cache holds is kept in memory only while it is on screen
// or was shown recently; the store fetches it from the cache when it is asked for again, so that
// the memory a list needs does not grow with the number of cars.
class PictureStore
{
public:
    static constexpr int Size = 64;
    // How many cached thumbnails a store keeps in memory: several screens of a list.
    static constexpr int Resident = 128;

    // 35602 when the key is taken (the old picture stays). A thumbnail that came from the cache
    // is registered as the cache's picture.
    Error add(const QString& key, QImage picture);
    // Registers the cache's picture `id`; `thumbnail`, when given, saves the first fetch.
    Error addCached(const QString& key, const PictureId& id, QImage thumbnail = QImage());
    // Registers the picture under the key, in place of any picture registered there before.
    void replace(const QString& key, QImage picture);
    bool contains(const QString& key) const { return m_index.contains(key); }
    // A null image when the key is not registered.
    QImage picture(const QString& key) const;
    // 35600 when the store is empty.
    Result<QImage> first() const;
    int count() const { return int(m_slots.size()); }
    void clear();

    // The cache the store keeps its pictures in (none: every picture stays in memory).
    void setCache(ThumbCache* cache, int resident = Resident);
    ThumbCache* cache() const { return m_cache; }
    // Cached pictures held in memory now.
    int residentCount() const { return int(m_resident.size()); }

private:
    struct Slot
    {
        PictureId id; // valid: the picture lives in the cache
        QImage image; // otherwise the picture itself
    };
    QImage pictureAt(int index) const;
    void setSlot(int index, QImage picture);

    std::vector<Slot> m_slots;
    QHash<QString, int> m_index;
    ThumbCache* m_cache = nullptr;
    mutable QCache<int, QImage> m_resident{Resident};
};

struct CarEntry
{
    QString key;        // folder name + "CAR"; also the key of its picture
    QString text;       // the folder name
    bool stock = false; // one of the game's own cars, listed in the stock-listing mode
};

// One of the two car lists: entries in the order they were added, and the entry the list shows as
// selected. It is the model the window's list view draws; the logic reads and edits it directly.
class CarList : public QAbstractListModel
{
    Q_OBJECT
public:
    explicit CarList(PictureStore& pictures, QObject* parent = nullptr)
        : QAbstractListModel(parent), m_pictures(pictures)
    {
    }

    int count() const { return int(m_entries.size()); }
    bool isEmpty() const { return m_entries.empty(); }
    // 0-based rows; positions in the user's terms are row + 1.
    const CarEntry& at(int row) const { return m_entries[size_t(row)]; }
    QString text(int row) const { return m_entries[size_t(row)].text; }
    // -1 when no entry has the key.
    int rowOfKey(const QString& key) const;
    int rowOfText(const QString& text) const { return rowOfKey(carKey(text)); }
    QStringList texts() const;

    void append(const QString& key, const QString& text);
    // Appends many entries at once (a scan); far cheaper for the view than one by one.
    void appendMany(std::vector<CarEntry> entries);
    void removeRow(int row);
    void clear();

    // The row the list shows as selected, -1 for none. When the selected entry is removed, the
    // entry that takes its place (or the new last one) becomes selected.
    int selectedRow() const { return m_selected; }
    void setSelectedRow(int row);
    bool hasSelection() const { return m_selected >= 0; }
    QString selectedText() const { return m_selected >= 0 ? text(m_selected) : QString(); }

    PictureStore& pictures() { return m_pictures; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;

signals:
    void selectedRowChanged(int row);

private:
    PictureStore& m_pictures;
    std::vector<CarEntry> m_entries;
    int m_selected = -1;
};

} // namespace parkwen
