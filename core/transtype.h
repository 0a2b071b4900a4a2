#pragma once

#include <string>

namespace KestLib {

// One user-defined transaction type. Only AccountDB changes the id and the
// usage count; the GUI reads them.
class TransType {
public:
    int id() const { return id_; }
    void setId(int value) { id_ = value; }
    int count() const { return count_; }
    void incCount() { ++count_; }
    void decCount() {
        if (count_ > 0) --count_;
    }
    const std::string& name() const { return name_; }
    void setName(std::string value) { name_ = std::move(value); }

private:
    int id_ = 0;
    int count_ = 0;
    std::string name_;
};

}  // namespace KestLib
