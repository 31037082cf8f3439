// Part of the runtime (nuxrt.hh): support functions for scripts that test a naming service.
// cosname("a/b.kind") builds a CosNaming::Name from its text, listing(bindings) writes a
// binding list as one sorted line, so that a script asserts on names and lists as text.
#ifndef NUXRT_NAMING_HH
#define NUXRT_NAMING_HH

#include <omniORB4/CORBA.h>
#include <omniORB4/Naming.hh>

#include <algorithm>
#include <string>
#include <vector>

namespace nuxrt {

// Splits text at every separator not escaped by a backslash; the escapes stay when keep is set.
inline std::vector<std::string> split_escaped(const std::string &text, char separator, bool keep)
{
    std::vector<std::string> parts(1);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size()) {
            if (keep)
                parts.back() += text[i];
            parts.back() += text[++i];
        } else if (text[i] == separator)
            parts.emplace_back();
        else
            parts.back() += text[i];
    }
    return parts;
}

// The text of one component: its id, and ".kind" when it has a kind ("." alone when both are
// empty); "/", "." and "\" escaped.
inline std::string component_text(const CosNaming::NameComponent &component)
{
    auto escaped = [](const char *text) {
        std::string out;
        for (; *text; ++text) {
            if (*text == '/' || *text == '.' || *text == '\\')
                out += '\\';
            out += *text;
        }
        return out;
    };
    const std::string id = escaped(component.id), kind = escaped(component.kind);
    return kind.empty() && !id.empty() ? id : id + "." + kind;
}

}  // namespace nuxrt

// A name from its text: components parted by "/", each an id with, after a ".", its kind ("."
// alone: both empty); a backslash escapes the next character. "" is the empty name.
inline CosNaming::Name cosname(const char *text)
{
    CosNaming::Name name;
    if (!*text)
        return name;
    const std::vector<std::string> components = nuxrt::split_escaped(text, '/', true);
    name.length(static_cast<CORBA::ULong>(components.size()));
    for (CORBA::ULong i = 0; i < name.length(); ++i) {
        const std::vector<std::string> parts = nuxrt::split_escaped(components[i], '.', false);
        name[i].id = parts[0].c_str();
        name[i].kind = parts.size() > 1 ? parts[1].c_str() : "";
    }
    return name;
}

// The bindings as one line, sorted: each name's text, a context's followed by "/".
inline std::string listing(const CosNaming::BindingList &bindings)
{
    std::vector<std::string> entries;
    for (CORBA::ULong i = 0; i < bindings.length(); ++i) {
        std::string entry;
        for (CORBA::ULong n = 0; n < bindings[i].binding_name.length(); ++n)
            entry += (n ? "/" : "") + nuxrt::component_text(bindings[i].binding_name[n]);
        entries.push_back(entry + (bindings[i].binding_type == CosNaming::ncontext ? "/" : ""));
    }
    std::sort(entries.begin(), entries.end());
    std::string line;
    for (const std::string &entry : entries)
        line += (line.empty() ? "" : " ") + entry;
    return line;
}

#endif
