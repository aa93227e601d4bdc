#include "exchange/import_mapping.h"

#include <algorithm>
#include <cctype>
#include <initializer_list>
#include <nlohmann/json.hpp>
#include <set>
#include <sstream>
#include <utility>

#include "core/control_characters.h"
#include "core/text_file.h"

namespace brevanta {

namespace {

using Json = nlohmann::json;
// Written members keep the order of doc/import_mapping.md.
using OrderedJson = nlohmann::ordered_json;

constexpr std::string_view kMappingExtension = ".json";
// A mapping file is a few hundred bytes; a larger one is not a mapping.
constexpr std::size_t kLargestMappingFile = 1 << 20;

// A member's text and the character it stands for.
using CharacterChoice = std::initializer_list<std::pair<const char*, char>>;
constexpr CharacterChoice kDelimiters = {{",", ','}, {";", ';'}, {"\t", '\t'}};
constexpr CharacterChoice kDecimals = {{".", '.'}, {",", ','}};
constexpr CharacterChoice kGroupings = {{".", '.'}, {",", ','}, {" ", ' '}};
constexpr std::pair<const char*, TextEncoding> kEncodings[] = {
    {"UTF-8", TextEncoding::Utf8}, {"Windows-1252", TextEncoding::Windows1252}};
const std::set<std::string> kTypeCodes = {"CC", "DI", "WI"};

// The text of a member's name or value as a message quotes it.
std::string Quoted(std::string_view text) { return Json(std::string(text)).dump(); }

std::string Lower(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

// The members of one JSON object, read in turn; the first failure sticks and names the
// member ("date.column"). A member nobody takes is unknown.
class MemberReader {
  public:
    MemberReader(const Json& object, std::string prefix, Status& status)
        : object_(object), prefix_(std::move(prefix)), status_(status) {}

    // The member's value, or null when it is missing (or an earlier member failed).
    const Json* Take(const char* name) {
        taken_.insert(name);
        if (!status_.ok()) return nullptr;
        const auto member = object_.find(name);
        return member == object_.end() ? nullptr : &*member;
    }
    // Fails naming the member unless `valid`.
    void Require(bool valid, const char* name, Message rule) {
        if (status_.ok() && !valid)
            Fail(
                Message(BREVANTA_TEXT("Exchange", "%1 %2"), {Quoted(Path(name)), std::move(rule)}));
    }
    void Fail(Message message) {
        if (status_.ok()) status_ = Status::InvalidArgument(message);
    }
    std::string Path(const char* name) const { return prefix_ + name; }

    void Character(const char* name, CharacterChoice choices, char* value) {
        const Json* member = Take(name);
        if (!member) return;
        std::vector<Message> quoted;
        for (const auto& [text, choice] : choices) {
            if (member->is_string() && *member == text) {
                *value = choice;
                return;
            }
            quoted.push_back(Quoted(text));
        }
        Require(false, name,
                Message(BREVANTA_TEXT("Exchange", "must be %1"),
                        {Listed(std::move(quoted), BREVANTA_TEXT("Exchange", "%1 or %2"))}));
    }
    // A column's number: the member holds an object with "column" and nothing else but
    // `others`, which the caller takes.
    std::optional<int> Column(const char* name, std::initializer_list<const char*> others = {}) {
        const Json* member = Take(name);
        if (!member) return std::nullopt;
        Require(member->is_object(), name,
                BREVANTA_TEXT("Exchange", "must be an object with \"column\""));
        if (!status_.ok()) return std::nullopt;
        MemberReader inner(*member, Path(name) + ".", status_);
        const Json* column = inner.Take("column");
        inner.Require(column != nullptr, "column", BREVANTA_TEXT("Exchange", "is missing"));
        if (!status_.ok()) return std::nullopt;
        inner.Require(column->is_number_unsigned() && *column >= 1 && *column <= kMostMappedColumns,
                      "column",
                      Message(BREVANTA_TEXT("Exchange", "must be a whole number from 1 to %1"),
                              {std::to_string(kMostMappedColumns)}));
        for (const char* other : others) inner.taken_.insert(other);
        inner.RefuseUnknown();
        return status_.ok() ? std::optional(column->get<int>()) : std::nullopt;
    }
    void RefuseUnknown() {
        for (const auto& [name, value] : object_.items()) {
            if (!taken_.contains(name))
                Fail(Message(BREVANTA_TEXT("Exchange", "unknown member %1"),
                             {Quoted(prefix_ + name)}));
        }
    }

  private:
    const Json& object_;
    std::string prefix_;
    Status& status_;
    std::set<std::string> taken_;
};

void ReadEncoding(MemberReader& members, ImportMapping& mapping) {
    const Json* member = members.Take("encoding");
    if (!member) return;
    for (const auto& [name, encoding] : kEncodings) {
        if (member->is_string() && Lower(member->get<std::string>()) == Lower(name)) {
            mapping.encoding = encoding;
            return;
        }
    }
    members.Require(false, "encoding",
                    BREVANTA_TEXT("Exchange", "must be \"UTF-8\" or \"Windows-1252\""));
}

void ReadDate(MemberReader& members, const Json& json, ImportMapping& mapping, Status& status) {
    const std::optional<int> column = members.Column("date", {"format"});
    members.Require(column || !status.ok(), "date", BREVANTA_TEXT("Exchange", "is missing"));
    if (!column) return;
    mapping.date_column = *column;
    const Json& date = json.at("date");
    const auto format = date.find("format");
    if (format == date.end()) return;
    mapping.date_format =
        format->is_string() ? ImportDateFormatNamed(format->get<std::string>()) : std::nullopt;
    std::string names;
    for (ImportDateFormat each : kImportDateFormats) {
        names += (names.empty() ? "" : ", ") + std::string(ImportDateFormatName(each));
    }
    members.Require(mapping.date_format.has_value(), "date.format",
                    Message(BREVANTA_TEXT("Exchange", "must be one of %1"), {names}));
}

void ReadSeparators(MemberReader& members, ImportMapping& mapping) {
    members.Character("decimal", kDecimals, &mapping.separators.decimal);
    char grouping = 0;
    members.Character("grouping", kGroupings, &grouping);
    if (grouping == 0) return;
    mapping.separators.grouping = grouping;
    members.Require(grouping != mapping.separators.decimal, "grouping",
                    BREVANTA_TEXT("Exchange", "must differ from \"decimal\""));
}

void ReadAmount(MemberReader& members, ImportMapping& mapping) {
    mapping.amount_column = members.Column("amount");
    mapping.debit_column = members.Column("debit");
    mapping.credit_column = members.Column("credit");
    const bool debit = mapping.debit_column.has_value();
    const bool credit = mapping.credit_column.has_value();
    members.Require(!(mapping.amount_column && (debit || credit)), "amount",
                    BREVANTA_TEXT("Exchange", "excludes \"debit\" and \"credit\""));
    members.Require(debit == credit, debit ? "debit" : "credit",
                    debit ? BREVANTA_TEXT("Exchange", "needs \"credit\"")
                          : BREVANTA_TEXT("Exchange", "needs \"debit\""));
    members.Require(mapping.amount_column || debit, "amount",
                    BREVANTA_TEXT("Exchange", "is missing"));
}

void ReadType(MemberReader& members, const Json& json, ImportMapping& mapping, Status& status) {
    mapping.type_column = members.Column("type", {"map"});
    if (mapping.type_column) {
        const Json& type = json.at("type");
        const auto map = type.find("map");
        members.Require(map != type.end(), "type.map", BREVANTA_TEXT("Exchange", "is missing"));
        if (!status.ok()) return;
        members.Require(map->is_object(), "type.map",
                        BREVANTA_TEXT("Exchange", "must be an object"));
        if (!status.ok()) return;
        for (const auto& [text, code] : map->items()) {
            members.Require(
                code.is_string() && kTypeCodes.contains(code.get<std::string>()), "type.map",
                Message(BREVANTA_TEXT("Exchange", "maps %1 to %2, not to \"CC\", \"DI\" or \"WI\""),
                        {Quoted(text), code.dump()}));
            if (!status.ok()) return;
            mapping.type_codes[text] = code.get<std::string>();
        }
    }
    if (const Json* from_sign = members.Take("type_from_sign")) {
        members.Require(from_sign->is_boolean(), "type_from_sign",
                        BREVANTA_TEXT("Exchange", "must be true or false"));
        mapping.type_from_sign = status.ok() && from_sign->get<bool>();
    }
    members.Require(!(mapping.type_column && mapping.type_from_sign), "type",
                    BREVANTA_TEXT("Exchange", "excludes \"type_from_sign\""));
}

OrderedJson ColumnJson(int column) { return OrderedJson{{"column", column}}; }

// The text a choice stands for.
const char* TextOf(CharacterChoice choices, char value) {
    return std::find_if(choices.begin(), choices.end(),
                        [value](const auto& choice) { return choice.second == value; })
        ->first;
}

}  // namespace

Status ReadImportMapping(std::string_view text, ImportMapping* mapping) {
    Json json;
    try {
        json = Json::parse(text);
    } catch (const Json::parse_error& error) {
        return Status::InvalidArgument(
            Message(BREVANTA_TEXT("Exchange", "not valid JSON (at byte %1)"),
                    {std::to_string(error.byte)}));
    } catch (const Json::exception&) {
        // A number beyond a double's range.
        return Status::InvalidArgument(
            BREVANTA_TEXT("Exchange", "not valid JSON (a number out of range)"));
    }
    if (!json.is_object())
        return Status::InvalidArgument(BREVANTA_TEXT("Exchange", "not a JSON object"));
    Status status;
    ImportMapping read;
    MemberReader members(json, "", status);
    members.Character("delimiter", kDelimiters, &read.delimiter);
    ReadEncoding(members, read);
    if (const Json* skip = members.Take("skip")) {
        members.Require(skip->is_number_unsigned(), "skip",
                        BREVANTA_TEXT("Exchange", "must be a whole number of 0 or more"));
        if (status.ok()) read.skip = skip->get<std::size_t>();
    }
    ReadDate(members, json, read, status);
    ReadSeparators(members, read);
    ReadAmount(members, read);
    ReadType(members, json, read, status);
    read.description_column = members.Column("description");
    members.RefuseUnknown();
    if (status.ok()) *mapping = std::move(read);
    return status;
}

std::string ImportMappingJson(const ImportMapping& mapping) {
    OrderedJson json;
    json["delimiter"] = TextOf(kDelimiters, mapping.delimiter);
    if (mapping.encoding) {
        json["encoding"] = mapping.encoding == TextEncoding::Utf8 ? "UTF-8" : "Windows-1252";
    }
    json["skip"] = mapping.skip;
    json["date"] = ColumnJson(mapping.date_column);
    if (mapping.date_format) json["date"]["format"] = ImportDateFormatName(*mapping.date_format);
    json["decimal"] = TextOf(kDecimals, mapping.separators.decimal);
    if (mapping.separators.grouping) {
        json["grouping"] = TextOf(kGroupings, *mapping.separators.grouping);
    }
    if (mapping.amount_column) json["amount"] = ColumnJson(*mapping.amount_column);
    if (mapping.debit_column) json["debit"] = ColumnJson(*mapping.debit_column);
    if (mapping.credit_column) json["credit"] = ColumnJson(*mapping.credit_column);
    if (mapping.type_column) {
        json["type"] = ColumnJson(*mapping.type_column);
        json["type"]["map"] = mapping.type_codes;
    }
    if (mapping.type_from_sign) json["type_from_sign"] = true;
    if (mapping.description_column) json["description"] = ColumnJson(*mapping.description_column);
    // Texts come from files in any state; a byte that is not UTF-8 is written as U+FFFD.
    return json.dump(2, ' ', false, OrderedJson::error_handler_t::replace) + "\n";
}

Status LoadImportMapping(const std::filesystem::path& path, ImportMapping* mapping) {
    std::string text;
    Status status = ReadFile(path, [&text](std::istream& in) {
        std::ostringstream bytes;
        bytes << in.rdbuf();
        text = bytes.str();
        if (in.bad()) return Status::IoError(BREVANTA_TEXT("Exchange", "Could not read the file."));
        return Status::Ok();
    });
    if (!status.ok()) return status;
    if (text.size() > kLargestMappingFile) {
        return Status::InvalidArgument(
            Message(BREVANTA_TEXT("Exchange", "%1: too large for a mapping."), {path.string()}));
    }
    status = ReadImportMapping(text, mapping);
    if (!status.ok()) {
        return Status::InvalidArgument(
            Message(BREVANTA_TEXT("Exchange", "%1: %2."), {path.string(), status.text()}));
    }
    return status;
}

Status SaveImportMapping(const std::filesystem::path& path, const ImportMapping& mapping) {
    std::error_code error;
    std::filesystem::create_directories(path.parent_path(), error);
    if (error) {
        return Status::IoError(Message(BREVANTA_TEXT("Exchange", "Could not write %1: %2"),
                                       {path.string(), error.message()}));
    }
    return ReplaceFile(path, [&mapping](std::ostream& out) {
        out << ImportMappingJson(mapping);
        out.flush();
        return out ? Status::Ok()
                   : Status::IoError(BREVANTA_TEXT("Exchange", "the data could not be written"));
    });
}

std::filesystem::path SavedMappingPath(const std::filesystem::path& data_directory,
                                       std::string_view name) {
    return data_directory / kMappingsFolder / (std::string(name) + std::string(kMappingExtension));
}

std::vector<std::string> SavedMappingNames(const std::filesystem::path& data_directory) {
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry :
         std::filesystem::directory_iterator(data_directory / kMappingsFolder, error)) {
        const std::filesystem::path& path = entry.path();
        if (path.extension() == kMappingExtension && entry.is_regular_file(error) &&
            !MappingNameRefusal(path.stem().string())) {
            names.push_back(path.stem().string());
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::optional<Message> MappingNameRefusal(std::string_view name) {
    if (name.empty()) return BREVANTA_TEXT("Exchange", "A mapping needs a name.");
    if (name.find('/') != std::string_view::npos || name.starts_with('.') ||
        name.ends_with(kMappingExtension)) {
        return BREVANTA_TEXT(
            "Exchange",
            "A mapping's name cannot hold \"/\", start with \".\" or end in \".json\".");
    }
    if (!RefuseControlCharacters(name).ok()) {
        return BREVANTA_TEXT("Exchange", "A mapping's name cannot hold a line break.");
    }
    return std::nullopt;
}

}  // namespace brevanta
