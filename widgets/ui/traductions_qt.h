#pragma once
// Qt's own dialogs (files, printing, the standard buttons) in the running
// language, from the translations Qt installs beside itself.

#include <QTranslator>

class TraductionsQt {
public:
    // Installed for the life of the object; English needs none.
    explicit TraductionsQt(int decalageLangue);
    ~TraductionsQt();
    TraductionsQt(const TraductionsQt&) = delete;
    TraductionsQt& operator=(const TraductionsQt&) = delete;

    bool Installees() const { return installees_; }

private:
    QTranslator traducteur_;
    bool installees_ = false;
};
