#pragma once
#include <QImage>
#include <QString>
#include <functional>

// Each picture family registers one generator; main() runs them all.
namespace artgen {

using Generator = std::function<bool(const QString& programFolder)>;

struct Registrar {
    Registrar(const char* name, Generator generator);
};

#define ARTGEN_REGISTER(name, function) \
    static const ::artgen::Registrar artgenRegistrar_##function(name, function)

// Saves into programFolder + relative ("JPG/Zast.JPG"), creating folders.
bool SaveJpg(const QImage& image, const QString& programFolder, const QString& relative, int quality = 92);
bool SavePng(const QImage& image, const QString& programFolder, const QString& relative);
QString Target(const QString& programFolder, const QString& relative); // creates the folder

} // namespace artgen
