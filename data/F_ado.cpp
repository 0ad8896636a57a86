#include "F_ado.h"

#include "connection.h"
#include "programfolder.h"

namespace exam {
QPointer<Tado> ado;
QString connstr;
} // namespace exam

Tado::Tado(QObject *parent)
    : QObject(parent), options(new TableObject(QStringLiteral("options"))),
      subject(new TableObject(QStringLiteral("subject"))),
      sort(new TableObject(QStringLiteral("sort")))
{
    subject->setIndexFieldName(QStringLiteral("subId"));
}

Tado::~Tado()
{
    delete sort;
    delete subject;
    delete options;
}

void Tado::DataModuleCreate()
{
    exam::connstr = buildConnectionString(programFolder());
    for (TableObject *table : {subject, sort, options}) {
        table->setConnectionString(exam::connstr);
        table->open();
    }
    sort->setSort(QStringLiteral("sortId"));
}
