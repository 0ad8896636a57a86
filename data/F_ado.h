#pragma once

#include <QPointer>

#include "tableobject.h"

#include <QObject>
#include <QString>
#include <memory>

class BankLock;

// The data module: the question bank's shared table objects, open for every window.
class Tado : public QObject
{
    Q_OBJECT
public:
    explicit Tado(QObject *parent = nullptr);
    ~Tado() override;

    TableObject *options = nullptr;
    TableObject *subject = nullptr;
    TableObject *sort = nullptr;

    void DataModuleCreate();

private:
    std::unique_ptr<BankLock> m_inUse;
};

namespace exam {
extern QPointer<Tado> ado;
// The one connection string of the run; empty until the data module builds it.
extern QString connstr;
} // namespace exam
