#include "library/carfolder.h"

#include <QCoreApplication>

namespace parkwen {

QString CarFolder::scanLabel() const
{
    return m_role == FolderRole::Cars
               ? QCoreApplication::translate("CarLibrary", "Reading the Car Folder")
               : QCoreApplication::translate("CarLibrary", "Reading the Garage Folder");
}

} // namespace parkwen
