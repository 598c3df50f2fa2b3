#pragma once

#include "details/imports.h"
#include "platform/pictures.h"

class QWidget;

namespace parkwen {

// The real choosers, shown modally over the details window.
class QtImportChoosers : public ImportChoosers
{
public:
    QtImportChoosers(FileSystem& fs, Pictures& pictures, QWidget* parent)
        : m_fs(fs), m_pictures(pictures), m_parent(parent)
    {
    }

    std::optional<QString> chooseParameters(const QString& folder, const Accept& accept) override;
    std::optional<QString> chooseBitmap(const QString& folder, const Accept& accept) override;
    std::optional<QString> chooseSkin(const QString& carPath, const QStringList& skins) override;

private:
    FileSystem& m_fs;
    Pictures& m_pictures;
    QWidget* m_parent;
};

} // namespace parkwen
