#include "details/ui/qtimportchoosers.h"

#include "details/ui/cardial.h"
#include "details/ui/filechooser.h"

namespace parkwen {

std::optional<QString> QtImportChoosers::chooseParameters(const QString& folder, const Accept& accept)
{
    FileChooser chooser(FileChooser::Kind::Parameters, m_fs, m_pictures, folder, accept, m_parent);
    if (chooser.exec() != QDialog::Accepted)
        return std::nullopt;
    return chooser.chosenPath();
}

std::optional<QString> QtImportChoosers::chooseBitmap(const QString& folder, const Accept& accept)
{
    FileChooser chooser(FileChooser::Kind::Bitmap, m_fs, m_pictures, folder, accept, m_parent);
    if (chooser.exec() != QDialog::Accepted)
        return std::nullopt;
    return chooser.chosenPath();
}

std::optional<QString> QtImportChoosers::chooseSkin(const QString& carPath, const QStringList& skins)
{
    CarDial chooser(m_fs, m_pictures, carPath, skins, m_parent);
    if (chooser.exec() != QDialog::Accepted)
        return std::nullopt;
    return chooser.chosenSkin();
}

} // namespace parkwen
