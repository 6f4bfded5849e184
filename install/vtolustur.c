/* Makes the shipped database from the schema script. */
#include <sqlite3.h>
#include <stdio.h>
#include <stdlib.h>

int main(int argc, char** argv)
{
    if (argc != 3) {
        fprintf(stderr, "kullanım: vtolustur script.sql db.db\n");
        return 2;
    }
    FILE* f = fopen(argv[1], "rb");
    if (!f) {
        perror(argv[1]);
        return 1;
    }
    fseek(f, 0, SEEK_END);
    long boy = ftell(f);
    fseek(f, 0, SEEK_SET);
    char* metin = malloc((size_t)boy + 1);
    if (!metin || fread(metin, 1, (size_t)boy, f) != (size_t)boy) {
        fprintf(stderr, "%s okunamadı\n", argv[1]);
        return 1;
    }
    metin[boy] = 0;
    fclose(f);

    sqlite3* db = NULL;
    if (sqlite3_open(argv[2], &db) != SQLITE_OK) {
        fprintf(stderr, "%s: %s\n", argv[2], sqlite3_errmsg(db));
        return 1;
    }
    char* hata = NULL;
    if (sqlite3_exec(db, metin, NULL, NULL, &hata) != SQLITE_OK) {
        fprintf(stderr, "%s: %s\n", argv[1], hata);
        sqlite3_free(hata);
        sqlite3_close(db);
        remove(argv[2]);
        return 1;
    }
    sqlite3_close(db);
    free(metin);
    return 0;
}
