#include "data/KeyGenerator.h"

namespace data {

qint64 drawKey(fb::Attachment &attachment, const QString &generator)
{
    const fb::Value id = attachment.executeProcedure(generator, QStringLiteral("ID"));
    if (id.isNull())
        throw fb::Error(QStringLiteral("O gerador %1 não devolveu um valor").arg(generator));
    return id.toInt();
}

} // namespace data
