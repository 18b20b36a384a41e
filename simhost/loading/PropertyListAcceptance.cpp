#include "loading/PropertyListAcceptance.h"

#include "loading/PropertyListChecks.h"
#include "loading/PropertyListReader.h"

namespace simhost {

PropertyList AcceptEffectPropertyList(const std::string& plugin_path) {
    StoredPropertyList stored;
    try {
        stored = ReadStoredPropertyList(plugin_path);
    } catch (const PropertyListError& e) {
        throw PropertyListError(plugin_path + ": " + e.what());
    }
    // Where the list lives in a file of its own, that file is named too.
    const std::string where = plugin_path + ": " + (stored.file == plugin_path ? "" : stored.file + ": ");
    try {
        PropertyList list = PropertyList::Parse(stored.bytes, PlatformLayout());
        static_cast<void>(EffectEntryName(list));
        return list;
    } catch (const PropertyListError& e) {
        throw PropertyListError(where + e.what());
    }
}

}  // namespace simhost
