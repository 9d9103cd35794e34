#include "ui/rating_window/rating_window_accessible.h"

#include "ui/rating_window/frm_vorn_rating.h"
#include "ui/rating_window/picture_box.h"
#include "ui/rating_window/picture_box_accessible.h"
#include "ui/shared/reading_order_accessible.h"

namespace vrc::ui {

QAccessibleInterface *RatingWindowAccessibleFactory(const QString & /*className*/,
                                                    QObject *object) {
    if (auto *box = qobject_cast<PictureBox *>(object)) {
        return new PictureBoxAccessible(box);
    }
    if (auto *window = qobject_cast<FrmVornRating *>(object)) {
        return new ReadingOrderAccessible(window, QAccessible::Window);
    }
    return nullptr;
}

} // namespace vrc::ui
