#include "exchange/file_survey.h"

#include <algorithm>
#include <functional>
#include <map>
#include <set>

#include "core/text_file.h"
#include "core/windows_1252.h"
#include "exchange/line_reader.h"

namespace brevanta {

namespace {

// Likelier delimiters first: a semicolon or a tab rarely stands in a field, a comma often does.
constexpr char kDelimiters[] = {';', '\t', ','};
// Ways of writing amounts, the plainest first.
const AmountSeparators kSeparators[] = {{'.', std::nullopt}, {',', std::nullopt}, {'.', ','},
                                        {',', '.'},          {'.', ' '},          {',', ' '}};

// Calls each(number, bytes) for every line of the file after `skip` leading lines, the
// byte-order mark dropped; *byte_order_mark (when given) says whether there was one.
Status ForEachLine(const std::filesystem::path& path, std::size_t skip,
                   const std::function<void(std::size_t, std::string_view)>& each,
                   bool* byte_order_mark = nullptr) {
    return ReadFile(path, [&](std::istream& in) {
        LineReader reader(in);
        std::string bytes;
        for (std::size_t number = 1; reader.Next(&bytes); ++number) {
            std::string_view line = bytes;
            if (number == 1 && line.starts_with(kByteOrderMark)) {
                line.remove_prefix(kByteOrderMark.size());
                if (byte_order_mark) *byte_order_mark = true;
            }
            if (number > skip) each(number, line);
        }
        return reader.failed()
                   ? Status::IoError(
                         Message(BREVANTA_TEXT("Exchange", "Could not read %1."), {path.string()}))
                   : Status::Ok();
    });
}

// What the bytes of a file say of its encoding: a byte-order mark, or valid UTF-8 throughout,
// means UTF-8.
class EncodingEvidence {
  public:
    void See(std::string_view line) { utf8_ = utf8_ && IsUtf8(line); }
    bool* byte_order_mark() { return &byte_order_mark_; }
    TextEncoding Encoding(std::optional<TextEncoding> given) const {
        return given.value_or(byte_order_mark_ || utf8_ ? TextEncoding::Utf8
                                                        : TextEncoding::Windows1252);
    }

  private:
    bool byte_order_mark_ = false;
    bool utf8_ = true;
};

// The field of a column; empty past the last one.
std::string_view FieldOf(const std::vector<std::string>& fields, int column) {
    const auto index = static_cast<std::size_t>(column - 1);
    return index < fields.size() ? std::string_view(fields[index]) : std::string_view();
}

// The sample's lines as text, in the encoding its bytes show.
std::vector<std::string> SampleTexts(const FileSample& sample,
                                     std::optional<TextEncoding> encoding) {
    if (!encoding) {
        const bool utf8 = sample.byte_order_mark ||
                          std::all_of(sample.lines.begin(), sample.lines.end(),
                                      [](const std::string& line) { return IsUtf8(line); });
        encoding = utf8 ? TextEncoding::Utf8 : TextEncoding::Windows1252;
    }
    if (encoding == TextEncoding::Utf8) return sample.lines;
    std::vector<std::string> texts;
    for (const std::string& line : sample.lines) texts.push_back(DecodeWindows1252(line));
    return texts;
}

// A line of the sample that holds something, split into its fields.
struct SampleRow {
    std::size_t number;
    std::vector<std::string> fields;
};
std::vector<SampleRow> SampleRows(const std::vector<std::string>& texts, char delimiter) {
    std::vector<SampleRow> rows;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        std::vector<std::string> fields = DelimitedFields(texts[i], delimiter);
        if (!AllFieldsEmpty(fields)) rows.push_back({i + 1, std::move(fields)});
    }
    return rows;
}

// The field count most rows have (the larger on a tie), with how many have it.
std::pair<std::size_t, std::size_t> ModalFieldCount(const std::vector<SampleRow>& rows) {
    std::map<std::size_t, std::size_t> rows_by_count;
    for (const SampleRow& row : rows) ++rows_by_count[row.fields.size()];
    std::pair<std::size_t, std::size_t> modal{0, 0};
    for (const auto& [count, how_many] : rows_by_count) {
        if (how_many >= modal.second) modal = {count, how_many};
    }
    return modal;
}

// The delimiter that splits the most lines into the same number of fields (more than one),
// the one making more fields on a tie.
char GuessDelimiter(const std::vector<std::string>& texts) {
    char best = ',';
    std::pair<std::size_t, std::size_t> best_score{0, 0};  // rows alike, fields
    for (char delimiter : kDelimiters) {
        const auto [count, rows] = ModalFieldCount(SampleRows(texts, delimiter));
        const std::pair<std::size_t, std::size_t> score{count > 1 ? rows : 0, count};
        if (score > best_score) {
            best = delimiter;
            best_score = score;
        }
    }
    return best;
}

int ColumnsOf(const std::vector<SampleRow>& rows) {
    std::size_t columns = 0;
    for (const SampleRow& row : rows) columns = std::max(columns, row.fields.size());
    return static_cast<int>(std::min<std::size_t>(columns, kMostMappedColumns));
}

// How many rows the column holds a field of for which `holds` is true.
std::size_t RowsHolding(const std::vector<SampleRow>& rows, int column,
                        const std::function<bool(std::string_view)>& holds) {
    return static_cast<std::size_t>(
        std::count_if(rows.begin(), rows.end(),
                      [&](const SampleRow& row) { return holds(FieldOf(row.fields, column)); }));
}

// The column other than `except` for which score is highest (the first on a tie), or nullopt
// when it is 0 for every column.
std::optional<int> BestColumn(int columns, int except,
                              const std::function<std::size_t(int)>& score) {
    std::optional<int> best;
    std::size_t best_score = 0;
    for (int column = 1; column <= columns; ++column) {
        const std::size_t column_score = column == except ? 0 : score(column);
        if (column_score > best_score) {
            best = column;
            best_score = column_score;
        }
    }
    return best;
}

// Two columns of which most rows fill exactly one with an amount, and each column some row,
// while neither holds anything else: a debit and a credit column.
std::optional<std::pair<int, int>> DebitAndCredit(const std::vector<SampleRow>& rows, int columns,
                                                  int date_column,
                                                  const AmountSeparators& separators) {
    const auto holds = [&](std::string_view field) {
        const std::optional<double> amount = ReadAmount(field, separators);
        return amount && *amount != 0;
    };
    const auto blank = [&](std::string_view field) {
        return field.empty() || ReadAmount(field, separators) == 0.0;
    };
    for (int debit = 1; debit <= columns; ++debit) {
        for (int credit = debit + 1; credit <= columns; ++credit) {
            if (debit == date_column || credit == date_column) continue;
            std::size_t debits = 0, credits = 0, others = 0;
            for (const SampleRow& row : rows) {
                const std::string_view d = FieldOf(row.fields, debit);
                const std::string_view c = FieldOf(row.fields, credit);
                if (!(holds(d) || blank(d)) || !(holds(c) || blank(c))) ++others;
                debits += holds(d) && blank(c);
                credits += blank(d) && holds(c);
            }
            if (others == 0 && debits > 0 && credits > 0 && 2 * (debits + credits) > rows.size()) {
                return std::pair(debit, credit);
            }
        }
    }
    return std::nullopt;
}

}  // namespace

Status ReadFileSample(const std::filesystem::path& path, FileSample* sample) {
    FileSample read;
    const Status status = ReadFile(path, [&](std::istream& in) {
        LineReader reader(in);
        std::string bytes;
        while (read.lines.size() < kSampleLines && reader.Next(&bytes)) {
            if (read.lines.empty() && bytes.starts_with(kByteOrderMark)) {
                read.byte_order_mark = true;
                bytes.erase(0, kByteOrderMark.size());
            }
            read.lines.push_back(bytes);
        }
        return reader.failed()
                   ? Status::IoError(
                         Message(BREVANTA_TEXT("Exchange", "Could not read %1."), {path.string()}))
                   : Status::Ok();
    });
    if (status.ok()) *sample = std::move(read);
    return status;
}

ImportMapping GuessMapping(const FileSample& sample, ImportKind kind) {
    ImportMapping mapping;
    const std::vector<std::string> texts = SampleTexts(sample, std::nullopt);
    mapping.delimiter = GuessDelimiter(texts);
    std::vector<SampleRow> rows = SampleRows(texts, mapping.delimiter);
    const int columns = ColumnsOf(rows);
    mapping.date_column = BestColumn(columns, 0, [&](int column) {
                              return RowsHolding(rows, column, HasDateShape);
                          }).value_or(1);

    // The lines before the first date, a header among them, are not entries.
    std::erase_if(rows, [&](const SampleRow& row) {
        return !HasDateShape(FieldOf(row.fields, mapping.date_column));
    });
    if (!rows.empty()) mapping.skip = rows.front().number - 1;

    const auto amounts = [&](const AmountSeparators& separators) {
        std::size_t read = 0;
        for (int column = 1; column <= columns; ++column) {
            if (column == mapping.date_column) continue;
            read += RowsHolding(rows, column, [&](std::string_view field) {
                return ReadAmount(field, separators).has_value();
            });
        }
        return read;
    };
    mapping.separators =
        *std::max_element(std::begin(kSeparators), std::end(kSeparators),
                          [&](const AmountSeparators& a, const AmountSeparators& b) {
                              return amounts(a) < amounts(b);
                          });

    if (const auto pair = DebitAndCredit(rows, columns, mapping.date_column, mapping.separators)) {
        mapping.debit_column = pair->first;
        mapping.credit_column = pair->second;
    } else {
        // Amounts with decimals count twice, so that a column of whole numbers (an account, a
        // reference) yields to one of money.
        mapping.amount_column =
            BestColumn(columns, mapping.date_column, [&](int column) {
                return RowsHolding(rows, column,
                                   [&](std::string_view field) {
                                       return ReadAmount(field, mapping.separators).has_value();
                                   }) +
                       RowsHolding(rows, column, [&](std::string_view field) {
                           return ReadAmount(field, mapping.separators).has_value() &&
                                  field.find(mapping.separators.decimal) != std::string_view::npos;
                       });
            }).value_or(mapping.date_column == 1 ? 2 : 1);
    }
    mapping.type_from_sign = kind == ImportKind::Transactions;
    return mapping;
}

int ColumnCount(const FileSample& sample, const ImportMapping& mapping) {
    return ColumnsOf(SampleRows(SampleTexts(sample, mapping.encoding), mapping.delimiter));
}

std::vector<std::string> ColumnNames(const FileSample& sample, const ImportMapping& mapping) {
    if (mapping.skip == 0 || mapping.skip > sample.lines.size()) return {};
    const std::vector<std::string> texts = SampleTexts(sample, mapping.encoding);
    return DelimitedFields(texts[mapping.skip - 1], mapping.delimiter);
}

Status SurveyFile(const std::filesystem::path& path, const ImportMapping& mapping,
                  FileSurvey* survey) {
    FileSurvey found;
    EncodingEvidence evidence;
    std::set<ImportDateFormat> formats(std::begin(kImportDateFormats),
                                       std::end(kImportDateFormats));
    if (mapping.date_format) formats = {*mapping.date_format};
    Status status;
    if (!mapping.encoding || !mapping.date_format) {
        // Every line counts for the encoding, the leading ones too.
        const auto survey_line = [&](std::size_t number, std::string_view bytes) {
            evidence.See(bytes);
            if (mapping.date_format || number <= mapping.skip) return;
            const std::vector<std::string> fields = DelimitedFields(bytes, mapping.delimiter);
            const std::string_view date = FieldOf(fields, mapping.date_column);
            if (!HasDateShape(date)) return;
            ++found.dates;
            std::erase_if(formats, [date](ImportDateFormat format) {
                return !ReadImportDate(date, format).has_value();
            });
        };
        status = ForEachLine(path, 0, survey_line, evidence.byte_order_mark());
    }
    if (!status.ok()) return status;
    found.encoding = evidence.Encoding(mapping.encoding);
    found.date_formats.assign(formats.begin(), formats.end());
    *survey = std::move(found);
    return status;
}

Status CompleteMapping(const FileSurvey& survey, ImportMapping* mapping) {
    const std::string column = std::to_string(mapping->date_column);
    if (!mapping->date_format && survey.dates == 0) {
        return Status::InvalidArgument(
            Message(BREVANTA_TEXT("Exchange", "Column %1 holds no dates."), {column}));
    }
    if (!mapping->date_format && survey.date_formats.size() != 1) {
        if (survey.date_formats.empty()) {
            return Status::InvalidArgument(Message(
                BREVANTA_TEXT(
                    "Exchange",
                    "No date format reads every date in column %1: name one in \"date.format\"."),
                {column}));
        }
        std::vector<Message> formats;
        for (ImportDateFormat format : survey.date_formats) {
            formats.push_back(std::string(ImportDateFormatName(format)));
        }
        return Status::InvalidArgument(Message(
            BREVANTA_TEXT("Exchange",
                          "The dates in column %1 read as %2: name one in \"date.format\"."),
            {column, Listed(std::move(formats), BREVANTA_TEXT("Exchange", "%1 and as %2"))}));
    }
    if (!mapping->date_format) mapping->date_format = survey.date_formats.front();
    if (!mapping->encoding) mapping->encoding = survey.encoding;
    return Status::Ok();
}

Status ColumnTexts(const std::filesystem::path& path, const ImportMapping& mapping, int column,
                   std::vector<std::string>* texts) {
    // Texts as the file has them; decoded once the whole file has shown its encoding.
    std::vector<std::string> found;
    EncodingEvidence evidence;
    const auto take = [&](std::size_t number, std::string_view bytes) {
        evidence.See(bytes);
        if (number <= mapping.skip || found.size() >= kMostColumnTexts) return;
        const std::vector<std::string> fields = DelimitedFields(bytes, mapping.delimiter);
        const std::string_view text = FieldOf(fields, column);
        if (!HasDateShape(FieldOf(fields, mapping.date_column))) return;
        if (std::find(found.begin(), found.end(), text) == found.end()) found.emplace_back(text);
    };
    const Status status = ForEachLine(path, 0, take, evidence.byte_order_mark());
    if (!status.ok()) return status;
    LineDecoder decoder(evidence.Encoding(mapping.encoding));
    texts->clear();
    for (const std::string& text : found) texts->push_back(decoder.Decode(text, 0));
    return status;
}

}  // namespace brevanta
