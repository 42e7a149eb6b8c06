#include "ORJunkResultItemObject.h"

ORJunkResultItemObject::ORJunkResultItemObject(QWidget *parent) : FamilyItemList(QStringLiteral("getjunks"), parent)
{
}
