#include "F_ado.h"

#include "banklock.h"
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
    // The bank is marked as in use for the whole run, so that the bank tool does not replace
    // it under an exam.
    m_inUse =
        std::make_unique<BankLock>(ConnectionString(exam::connstr).dataSource(), BankLock::Shared);
    // A table that fails to open here is opened again when a window first uses it.
    for (TableObject *table : {subject, sort, options}) {
        table->setConnectionString(exam::connstr);
        table->openWhenUsed();
    }
    sort->setSort(QStringLiteral("sortId"));
    for (TableObject *table : {subject, sort, options})
        table->open();
}
