#define KVL_NAME_ENTRIES 1000
#define KVL_DATE_ENTRIES 30
typedef const char *KVL_NameArray[KVL_NAME_ENTRIES]; /* list entry n (1-based) at index n - 1 */
typedef const char *KVL_DateArray[KVL_DATE_ENTRIES];
int  KVL_Init(const char *fileName);  /* 1 decoded, 0 no such file, < 0 minus the error code */
void KVL_Done(void);
int  KVL_DayToNames(unsigned char day, unsigned char month, KVL_NameArray names); /* 0, or an error code */
int  KVL_NameToDays(const char *name, KVL_DateArray dates);
int  KVL_ListNames(KVL_NameArray names);
