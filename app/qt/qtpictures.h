#pragma once

#include "platform/pictures.h"

namespace parkwen {

// Qt's image readers; JPEGs are decoded at a reduced scale when a small size is asked for.
class QtPictures : public Pictures
{
public:
    Result<QImage> load(const QString& path, QSize size = QSize()) override;
};

} // namespace parkwen
