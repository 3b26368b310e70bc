#include "widgets/Guarded.h"

#include "data/FilterExpression.h"
#include "fb/Fb.h"
#include "seams/Messages.h"

namespace widgets {

bool guarded(QWidget *parent, const std::function<void()> &handler)
{
    try {
        handler();
        return true;
    } catch (const fb::Error &e) {
        seams::showError(e.message(), parent);
    } catch (const fb::ConversionError &e) {
        seams::showError(e.message(), parent);
    } catch (const data::DataError &e) {
        seams::showError(e.message(), parent);
    } catch (const std::exception &e) {
        seams::showError(QString::fromUtf8(e.what()), parent);
    }
    return false;
}

} // namespace widgets
