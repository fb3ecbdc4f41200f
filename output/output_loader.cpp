// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The window program's build of the SVG and printing calls: each goes through the output module, loaded at
// the first call.
#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

#include <cstdio>

#include "output/output_module.h"

namespace quorvane {

const OutputModule* LoadOutputModule(const QString& path, QString& error) {
    QLibrary library(path);
    if (!library.load()) {
        error = library.errorString();
        return nullptr;
    }
    using Entry = const OutputModule* (*)();
    const auto entry = reinterpret_cast<Entry>(library.resolve(kOutputModuleEntry));
    if (!entry) {
        error = QStringLiteral("%1 is not the program's output module: it has no %2")
                    .arg(path, QLatin1String(kOutputModuleEntry));
        return nullptr;
    }
    const OutputModule* module = entry();
    if (!module || module->Version != OutputModule::kVersion) {
        error = QStringLiteral("%1 was built for another version of the program").arg(path);
        return nullptr;
    }
    return module;  // the library stays loaded: QLibrary unloads only when asked
}

const OutputModule* TheOutputModule() {
    static const OutputModule* const module = [] {
        // Where the module lies beside the program, the same from the build folder as installed;
        // QUORVANE_OUTPUT_MODULE names another.
        QString path = qEnvironmentVariable("QUORVANE_OUTPUT_MODULE");
        if (path.isEmpty())
            path = QDir(QCoreApplication::applicationDirPath())
                       .filePath(QStringLiteral(QUORVANE_OUTPUT_MODULE_FROM_BINDIR));
        QString error;
        const OutputModule* loaded = LoadOutputModule(path, error);
        if (!loaded)
            std::fprintf(stderr, "quorvane: sign pictures, SVG files and printing are not available: %s\n",
                         qUtf8Printable(error));
        return loaded;
    }();
    return module;
}

namespace svg {
namespace {
class NoPicture final : public Picture {
public:
    bool IsValid() const override { return false; }
    void Render(QPainter&) override {}
    void Render(QPainter&, const QRectF&) override {}
};
}  // namespace

bool Available() {
    return TheOutputModule() != nullptr;
}

std::unique_ptr<Picture> Load(const QByteArray& contents) {
    const OutputModule* module = TheOutputModule();
    return module ? module->Load(contents) : std::make_unique<NoPicture>();
}

bool Write(QIODevice& out, const WriteOptions& options, const std::function<void(QPainter&)>& paint) {
    const OutputModule* module = TheOutputModule();
    return module && module->Write(out, options, paint);
}
}  // namespace svg

ReportPrinter::Result PrintWithPreview(QWidget* parent, QPageSize::PageSizeId paper,
                                       const std::function<void(QPagedPaintDevice&)>& paint) {
    const OutputModule* module = TheOutputModule();
    return module ? module->Print(parent, paper, paint) : ReportPrinter::Result::Failed;
}

}  // namespace quorvane
