// Per-user settings store: (application, section, key) -> text, names compared
// without regard to case, in one SQLite file that several running copies share.
#pragma once

#include <cstdint>
#include <memory>
#include <sqlite3.h>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace orv::core {

class SettingsError : public std::runtime_error {
public:
    // Locked: another process holds the file; Foreign: the file is another program's
    // database (or a newer version's store) and was left untouched.
    enum class Kind { Failed, Locked, Foreign };
    explicit SettingsError(const std::string& what, Kind kind = Kind::Failed)
        : std::runtime_error(what), kind_(kind) {}
    Kind kind() const { return kind_; }

private:
    Kind kind_;
};

class SettingsStore {
public:
    // Stores are marked as ours when created: SQLite's application_id header field holds
    // kApplicationId ("ORVK") and user_version the schema version.
    static constexpr int kApplicationId = 0x4F52564B;
    static constexpr int kSchemaVersion = 1;

    // Opens (creating when absent) the store at `path`; ":memory:" gives a private store.
    // Throws SettingsError naming the file when it cannot be opened or is not a store. An
    // existing database is only read until it is known to be ours: one with neither the
    // mark nor our table is refused untouched. One with our table and no mark (made before
    // the mark existed) is adopted: marked, and put in WAL mode, on its first write.
    explicit SettingsStore(const std::string& path);
    ~SettingsStore();
    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    // --settings FILE, else $ORV_KITE_SETTINGS, else $XDG_CONFIG_HOME/orv_kite/settings.sqlite.
    static std::string resolvePath(const std::string& commandLinePath);

    const std::string& path() const { return path_; }
    // False for an adopted store until its first write.
    bool marked() const { return marked_; }
    // How long a statement waits for another process's lock before failing as Locked.
    void setBusyTimeout(int milliseconds);

    std::string get(const std::string& application, const std::string& section,
                    const std::string& key, const std::string& defaultValue = {}) const;
    void save(const std::string& application, const std::string& section, const std::string& key,
              const std::string& value);
    // Both return false when there was nothing to delete; callers usually ignore that.
    bool remove(const std::string& application);
    bool remove(const std::string& application, const std::string& section);
    bool removeKey(const std::string& application, const std::string& section,
                   const std::string& key);

    // Two keys of one section in a single statement, so in one read transaction, into
    // the caller's buffers (a warm buffer is reused without allocating); an absent key
    // leaves its buffer empty. For lookups made on every tick in small sections: it
    // reads the section's keys in one index scan.
    void getTwo(std::string_view application, std::string_view section, std::string_view key1,
                std::string_view key2, std::string& value1, std::string& value2) const;

    std::vector<std::string> sections(const std::string& application) const;
    std::vector<std::pair<std::string, std::string>> keys(const std::string& application,
                                                          const std::string& section) const;

    // Groups writes: all of them land or none. Nested transactions join the outer one.
    class Transaction {
    public:
        explicit Transaction(SettingsStore& store);
        ~Transaction(); // rolls back unless committed
        void commit();
        Transaction(const Transaction&) = delete;
        Transaction& operator=(const Transaction&) = delete;

    private:
        SettingsStore& store_;
        bool done_ = false;
    };

    // Holds one read transaction over several reads (a map update, a prediction run), so
    // the file is locked once instead of for every statement, which costs two system
    // calls. Nothing may be written while it is open; inside a write transaction it
    // does nothing.
    class ReadTransaction {
    public:
        explicit ReadTransaction(const SettingsStore& store);
        ~ReadTransaction();
        ReadTransaction(const ReadTransaction&) = delete;
        ReadTransaction& operator=(const ReadTransaction&) = delete;

    private:
        const SettingsStore& store_;
        bool open_ = false;
    };

    template <typename Writes> void inTransaction(Writes&& writes) {
        Transaction transaction(*this);
        writes();
        transaction.commit();
    }

private:
    void open();
    void createSchema();
    void checkOwnership();
    bool hasOurTable() const;
    void markOnFirstWrite();
    std::int64_t pragmaNumber(const char* sql) const;
    void execute(const char* sql);
    [[noreturn]] void fail(const std::string& what, int code = 0) const;
    [[noreturn]] void refuse(const std::string& why) const;
    sqlite3_stmt* prepare(const char* sql) const;
    bool passesQuickCheck();
    void begin();
    void commitOuter();
    void rollbackOuter();

    std::string path_;
    sqlite3* db_ = nullptr;
    sqlite3_stmt* getStatement_ = nullptr;
    sqlite3_stmt* getTwoStatement_ = nullptr;
    sqlite3_stmt* saveStatement_ = nullptr;
    sqlite3_stmt* removeAppStatement_ = nullptr;
    sqlite3_stmt* removeSectionStatement_ = nullptr;
    sqlite3_stmt* removeKeyStatement_ = nullptr;
    int transactionDepth_ = 0;
    bool rollbackPending_ = false;
    bool inMemory_ = false;
    bool marked_ = false;
};

} // namespace orv::core
