#pragma once

#include <QString>
#include <cstdint>
#include <utility>

// One title of the collection. Records are always copied, never shared.
class clsDatentraeger {
public:
    void Clear();

    // By value, so that a text made for the title (a line read from a list)
    // moves in.
    void SetFilmname(QString v) { m_Filmname = std::move(v); }
    void SetBewertung(std::uint8_t v) { m_Bewertung = v; }
    void SetFormat(QString v) { m_Format = std::move(v); }
    void SetGenre(QString v) { m_Genre = std::move(v); }
    void SetLandJahr(QString v) { m_LandJahr = std::move(v); }
    void SetFsk(std::uint8_t v) { m_Fsk = v; }
    void SetLaenge(std::int16_t v) { m_Laenge = v; }
    void SetKaufpreis(std::int16_t v) { m_Kaufpreis = v; }
    void SetSonstiges(QString v) { m_Sonstiges = std::move(v); }
    void SetSchauspieler1(QString v) { m_Schauspieler1 = std::move(v); }
    void SetSchauspieler2(QString v) { m_Schauspieler2 = std::move(v); }
    void SetSchauspieler3(QString v) { m_Schauspieler3 = std::move(v); }
    void SetSchauspieler4(QString v) { m_Schauspieler4 = std::move(v); }
    void SetSchauspieler5(QString v) { m_Schauspieler5 = std::move(v); }
    void SetRegie(QString v) { m_Regie = std::move(v); }
    void SetBildpfad(QString v) { m_Bildpfad = std::move(v); }
    void SetTrailerpfad(QString v) { m_Trailerpfad = std::move(v); }

    const QString& GetFilmname() const { return m_Filmname; }
    const QString& GetFormat() const { return m_Format; }
    std::uint8_t GetBewertung() const { return m_Bewertung; }
    const QString& GetGenre() const { return m_Genre; }
    const QString& GetLandJahr() const { return m_LandJahr; }
    std::uint8_t GetFsk() const { return m_Fsk; }
    std::int16_t GetLaenge() const { return m_Laenge; }
    std::int16_t GetKaufpreis() const { return m_Kaufpreis; }
    const QString& GetSonstiges() const { return m_Sonstiges; }
    const QString& GetSchauspieler1() const { return m_Schauspieler1; }
    const QString& GetSchauspieler2() const { return m_Schauspieler2; }
    const QString& GetSchauspieler3() const { return m_Schauspieler3; }
    const QString& GetSchauspieler4() const { return m_Schauspieler4; }
    const QString& GetSchauspieler5() const { return m_Schauspieler5; }
    const QString& GetRegie() const { return m_Regie; }
    const QString& GetBildpfad() const { return m_Bildpfad; }
    const QString& GetTrailerpfad() const { return m_Trailerpfad; }

    // The non-empty actors joined by ", ".
    QString GetSchauspielerAll() const;
    bool IsComplete() const;
    // The long text belongs to the cover file: <program folder>/longtexts/<cover name>.txt
    QString GetZusatztextPfad() const;

    bool operator==(const clsDatentraeger&) const = default;

private:
    QString m_Filmname;
    QString m_Format;
    std::uint8_t m_Bewertung = 0;
    QString m_Genre;
    QString m_LandJahr;
    std::uint8_t m_Fsk = 0;
    std::int16_t m_Laenge = 0;
    std::int16_t m_Kaufpreis = 0;
    QString m_Sonstiges;
    QString m_Schauspieler1;
    QString m_Schauspieler2;
    QString m_Schauspieler3;
    QString m_Schauspieler4;
    QString m_Schauspieler5;
    QString m_Regie;
    QString m_Bildpfad;
    QString m_Trailerpfad;
};
