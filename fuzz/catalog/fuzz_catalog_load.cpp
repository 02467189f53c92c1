// Probe catalogues from a settings file from anywhere: any bytes must load without a crash into
// a sorted table of finite diameters, bounded in size; an unchanged table writes nothing, and a
// changed one written back reads back as the table held it.
// Input: the settings file's bytes; the last few bytes choose the locale, the section and one
// edit.

#include "engine/NumberText.h"
#include "storage/IniFile.h"
#include "storage/catalog/CatalogSection.h"
#include "storage/catalog/InchConversion.h"
#include "storage/catalog/ProbeCatalogModel.h"

#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>
#include <optional>
#include <vector>

namespace {

using kthread::ProbeCatalogModel;

// A broken promise is a finding: name it, then stop as a crash.
#define Require(condition) ((condition) ? void() : Broken(#condition, __LINE__))

[[noreturn]] void Broken(const char* condition, int line) {
    std::fprintf(stderr, "fuzz_catalog_load.cpp:%d: broken: %s\n", line, condition);
    std::abort();
}

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

std::vector<double> Diameters(const ProbeCatalogModel& model) {
    std::vector<double> diameters;
    for (int row = 0; row < model.count(); ++row) {
        diameters.push_back(model.diamMM(row));
    }
    return diameters;
}

void CheckLoaded(const ProbeCatalogModel& model, const kthread::IniFile& ini) {
    Require(!model.changed() && !model.hasPendingRow());
    Require(model.rowCount() == model.count());
    const auto entries = ini.readSection(model.section());
    // Every row comes from a key, or from a missing key within the bounded allowance.
    Require(model.count() <= static_cast<int>(entries.size()) + kthread::kMaxMissingKeyRows);
    for (int row = 0; row < model.count(); ++row) {
        const double mm = model.diamMM(row);
        Require(std::isfinite(mm));
        Require(row == 0 || model.diamMM(row - 1) <= mm);
        Require(model.diamInch(row) == kthread::MillimetresToInches(mm));
    }
}

// What a value becomes after one trip through the file when written with 15 significant digits;
// empty when that text overflows (near the largest double), where more digits are written.
std::optional<double> ThroughText(double mm) {
    return kthread::ParseDecimalText(QString::fromStdString(kthread::FormatGeneral(mm)));
}

// One change as the catalogue page makes it: Delete, a typed value, or New with a value.
struct EditChoice {
    int action = 0;
    std::size_t row = 0;
    double value = 0;
};

EditChoice ChooseEdit(FuzzedDataProvider& input) {
    EditChoice choice;
    choice.action = input.ConsumeIntegralInRange(0, 2);
    choice.row = input.ConsumeIntegral<std::uint16_t>();
    choice.value = input.ConsumeFloatingPoint<double>();
    return choice;
}

void Edit(ProbeCatalogModel& model, const EditChoice& choice) {
    const int row = model.count() == 0 ? 0 : static_cast<int>(choice.row % model.count());
    if (choice.action == 0 && model.count() > 0) {
        model.removeRowAt(row);
    } else if (choice.action == 1 && model.count() > 0) {
        model.postValue(row, ProbeCatalogModel::ColumnMM, choice.value);
    } else {
        const int pending = model.appendPendingRow();
        if (model.postValue(pending, ProbeCatalogModel::ColumnMM, choice.value) < 0) {
            model.cancelPendingRow();
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("kthread.ini"));

    FuzzedDataProvider input(data, size);
    // The choices come from the end of the input, so the front stays a readable settings file.
    const bool commaLocale = input.ConsumeBool();
    const bool balls = input.ConsumeBool();
    QLocale::setDefault(commaLocale ? QLocale(QLocale::German, QLocale::Germany) : QLocale::c());
    const EditChoice edit = ChooseEdit(input);
    const std::string fileText = input.ConsumeRemainingBytesAsString();
    const QByteArray bytes(fileText.data(), static_cast<qsizetype>(fileText.size()));
    {
        QFile file(path);
        Require(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        Require(file.write(bytes) == bytes.size());
    }

    kthread::IniFile ini(path);
    ProbeCatalogModel model(balls ? QStringLiteral("DIAM_S") : QStringLiteral("DIAM_N"));
    model.load(ini);
    CheckLoaded(model, ini);

    // An unchanged catalogue leaves the file alone.
    Require(model.writeBack(ini));
    Require(ReadAll(path) == bytes);

    Edit(model, edit);
    const std::vector<double> held = Diameters(model);
    if (!model.writeBack(ini)) {
        // A refused write leaves the file as it was.
        Require(model.changed());
        Require(ReadAll(path) == bytes);
        return 0;
    }
    Require(!model.changed());

    ProbeCatalogModel reloaded(model.section());
    reloaded.load(ini);
    CheckLoaded(reloaded, ini);
    const std::vector<double> back = Diameters(reloaded);
    Require(back.size() == held.size());
    for (std::size_t i = 0; i < held.size(); ++i) {
        const std::optional<double> through = ThroughText(held[i]);
        Require(!through || back[i] == *through);
        Require(std::fabs(back[i] - held[i]) <= 1e-14 * std::fabs(held[i]) + 1e-300);
    }
    return 0;
}
