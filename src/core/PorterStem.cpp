#include "PorterStem.h"

namespace {

// One word being stemmed: the letters b[0..k], with j marking the end of the part before the
// suffix that the last successful Ends() matched. Every rewrite keeps the word at most as long
// as it started, so the caller's buffer is always large enough.
class TStemmer
{
public:
    TStemmer(char *b, int k) : b_(b), k_(k) {}

    int Run()
    {
        Step1ab();
        Step1c();
        Step2();
        Step3();
        Step4();
        Step5();
        return k_;
    }

private:
    static bool IsAeiou(char ch)
    {
        return ch == 'a' || ch == 'e' || ch == 'i' || ch == 'o' || ch == 'u';
    }

    // y is a consonant at the start and after a, e, i, o or u; a vowel otherwise.
    bool Cons(int i) const
    {
        const char ch = b_[i];
        if (IsAeiou(ch))
            return false;
        if (ch != 'y')
            return true;
        return i == 0 || IsAeiou(b_[i - 1]);
    }

    // The letter at i, or none for a position before the start of the word.
    char At(int i) const { return i >= 0 ? b_[i] : '\0'; }

    // The number of vowel-consonant sequences in b[0..j].
    int M() const
    {
        int n = 0;
        int i = 0;
        for (;;) {
            for (; i <= j_ && Cons(i); ++i) {
            }
            for (; i <= j_ && !Cons(i); ++i) {
            }
            if (i > j_)
                return n;
            ++n; // a vowel run followed by the consonant at i
        }
    }

    bool VowelInStem() const
    {
        for (int i = 0; i <= j_; ++i) {
            if (!Cons(i))
                return true;
        }
        return false;
    }

    bool DoubleC(int i) const { return i >= 1 && b_[i] == b_[i - 1] && Cons(i); }

    // consonant-vowel-consonant ending at i, the last consonant not w, x or y.
    bool Cvc(int i) const
    {
        if (i < 2 || !Cons(i) || Cons(i - 1) || !Cons(i - 2))
            return false;
        const char ch = b_[i];
        return ch != 'w' && ch != 'x' && ch != 'y';
    }

    // The suffix must leave at least one letter in front of it.
    template <int N> bool Ends(const char (&s)[N])
    {
        constexpr int length = N - 1;
        if (length > k_ || b_[k_] != s[length - 1])
            return false;
        for (int i = 0; i < length; ++i) {
            if (b_[k_ - length + 1 + i] != s[i])
                return false;
        }
        j_ = k_ - length;
        return true;
    }

    template <int N> void SetTo(const char (&s)[N])
    {
        for (int i = 0; i < N - 1; ++i)
            b_[j_ + 1 + i] = s[i];
        k_ = j_ + N - 1;
    }

    template <int N> void R(const char (&s)[N])
    {
        if (M() > 0)
            SetTo(s);
    }

    void Step1ab();
    void Step1c();
    void Step2();
    void Step3();
    void Step4();
    void Step5();

    char *b_;
    int k_;
    int j_ = 0;
};

void TStemmer::Step1ab()
{
    if (b_[k_] == 's') {
        if (Ends("sses"))
            k_ -= 2;
        else if (Ends("ies"))
            SetTo("i");
        else if (b_[k_ - 1] != 's')
            --k_;
    }
    if (Ends("eed")) {
        if (M() > 0)
            --k_;
    } else if ((Ends("ed") || Ends("ing")) && VowelInStem()) {
        k_ = j_;
        if (Ends("at"))
            SetTo("ate");
        else if (Ends("bl"))
            SetTo("ble");
        else if (Ends("iz"))
            SetTo("ize");
        else if (DoubleC(k_)) {
            const char ch = b_[k_];
            if (ch != 'l' && ch != 's' && ch != 'z')
                --k_;
        } else {
            j_ = k_;
            if (M() == 1 && Cvc(k_))
                SetTo("e");
        }
    }
}

void TStemmer::Step1c()
{
    if (Ends("y") && VowelInStem())
        b_[k_] = 'i';
}

void TStemmer::Step2()
{
    switch (At(k_ - 1)) {
    case 'a':
        if (Ends("ational"))
            R("ate");
        else if (Ends("tional"))
            R("tion");
        break;
    case 'c':
        if (Ends("enci"))
            R("ence");
        else if (Ends("anci"))
            R("ance");
        break;
    case 'e':
        if (Ends("izer"))
            R("ize");
        break;
    case 'l':
        if (Ends("bli"))
            R("ble");
        else if (Ends("alli"))
            R("al");
        else if (Ends("entli"))
            R("ent");
        else if (Ends("eli"))
            R("e");
        else if (Ends("ousli"))
            R("ous");
        break;
    case 'o':
        if (Ends("ization"))
            R("ize");
        else if (Ends("ation") || Ends("ator"))
            R("ate");
        break;
    case 's':
        if (Ends("alism"))
            R("al");
        else if (Ends("iveness"))
            R("ive");
        else if (Ends("fulness"))
            R("ful");
        else if (Ends("ousness"))
            R("ous");
        break;
    case 't':
        if (Ends("aliti"))
            R("al");
        else if (Ends("iviti"))
            R("ive");
        else if (Ends("biliti"))
            R("ble");
        break;
    case 'g':
        if (Ends("logi"))
            R("log");
        break;
    }
}

void TStemmer::Step3()
{
    switch (b_[k_]) {
    case 'e':
        if (Ends("icate"))
            R("ic");
        else if (Ends("ative"))
            R("");
        else if (Ends("alize"))
            R("al");
        break;
    case 'i':
        if (Ends("iciti"))
            R("ic");
        break;
    case 'l':
        if (Ends("ical"))
            R("ic");
        else if (Ends("ful"))
            R("");
        break;
    case 's':
        if (Ends("ness"))
            R("");
        break;
    }
}

void TStemmer::Step4()
{
    bool found = false;
    switch (At(k_ - 1)) {
    case 'a':
        found = Ends("al");
        break;
    case 'c':
        found = Ends("ance") || Ends("ence");
        break;
    case 'e':
        found = Ends("er");
        break;
    case 'i':
        found = Ends("ic");
        break;
    case 'l':
        found = Ends("able") || Ends("ible");
        break;
    case 'n':
        found = Ends("ant") || Ends("ement") || Ends("ment") || Ends("ent");
        break;
    case 'o':
        found = (Ends("ion") && (b_[j_] == 's' || b_[j_] == 't')) || Ends("ou");
        break;
    case 's':
        found = Ends("ism");
        break;
    case 't':
        found = Ends("ate") || Ends("iti");
        break;
    case 'u':
        found = Ends("ous");
        break;
    case 'v':
        found = Ends("ive");
        break;
    case 'z':
        found = Ends("ize");
        break;
    }
    if (found && M() > 1)
        k_ = j_;
}

void TStemmer::Step5()
{
    j_ = k_;
    if (b_[k_] == 'e') {
        const int m = M();
        if (m > 1 || (m == 1 && !Cvc(k_ - 1)))
            --k_;
    }
    if (b_[k_] == 'l' && DoubleC(k_) && M() > 1)
        --k_;
}

} // namespace

std::string StemWord(std::string_view word)
{
    std::string stem(word);
    if (stem.size() <= 2)
        return stem;
    TStemmer stemmer(stem.data(), int(stem.size()) - 1);
    stem.resize(std::size_t(stemmer.Run()) + 1);
    return stem;
}

QString StemWord(const QString &word)
{
    const QByteArray utf8 = word.toUtf8();
    const std::string stem = StemWord(std::string_view(utf8.constData(), std::size_t(utf8.size())));
    return QString::fromUtf8(stem.data(), qsizetype(stem.size()));
}
