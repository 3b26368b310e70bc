#pragma once
// A throw-away database for one test fixture: embedded file in a temporary folder, or a file
// created through the local server when two workstations must meet.
#include "fb/Fb.h"

#include <QTemporaryDir>
#include <memory>

class TestDatabase {
public:
    enum class Access { Embedded, Server };
    // Creates the database and applies db/schema.sql unless withSchema is false.
    explicit TestDatabase(bool withSchema = true, Access access = Access::Embedded);
    ~TestDatabase();

    // Connection settings for another attachment (another "workstation").
    fb::ConnectParams params() const { return params_; }
    fb::Attachment &attachment() { return *att_; }
    std::unique_ptr<fb::Attachment> connectAgain() const { return fb::Attachment::connect(params_); }
    // True when the local server is reachable for tests of several workstations.
    static bool serverAvailable();
    static QString schemaPath();

private:
    QString dir_;
    std::unique_ptr<QTemporaryDir> tmp_;
    fb::ConnectParams params_;
    std::unique_ptr<fb::Attachment> att_;
};
