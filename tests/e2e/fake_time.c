/* The clock a Wine process reads, moved to a chosen instant: preloaded (LD_PRELOAD) into the
 * Wine process that runs the program under test, it adds an offset to every reading of the wall
 * clock, so the program's clock runs on from that instant at the real pace. Monotonic clocks are
 * left alone, so Wine's timers and timeouts work as ever.
 *
 *   MIREL_FAKE_EPOCH=<seconds since 1970>  the instant the first reading gives
 *   MIREL_FAKE_EPOCH_FILE=<path>           a file holding such a number: when its number changes,
 *                                          the clock jumps to it (looked at every 50 ms at most)
 *
 * Built once for each kind of Wine process (prepare.sh): -m64, where Wine's ntdll reads
 * clock_gettime, and -m32, where the 32-bit Wine reads the 64-bit time interface of i386 glibc
 * (__clock_gettime64), which libfaketime does not replace. Freestanding: no header or library is
 * needed at build time, and the few libc functions used are found in the process when it loads. */

#ifdef __i386__
typedef long long seconds_t;
struct wall_time {
  seconds_t seconds;
  int nanoseconds;
  int padding;
};
#define CLOCK_FUNCTION "__clock_gettime64"
#define EXPORTED_CLOCK __clock_gettime64
#else
typedef long seconds_t;
struct wall_time {
  seconds_t seconds;
  long nanoseconds;
};
#define CLOCK_FUNCTION "clock_gettime"
#define EXPORTED_CLOCK clock_gettime
#endif

enum { kRealtime = 0, kMonotonic = 1, kRealtimeCoarse = 5 };

extern char* getenv(const char* name);
extern void* dlsym(void* handle, const char* name);
extern int open(const char* path, int flags, ...);
extern long read(int fd, void* buffer, unsigned long size);
extern int close(int fd);
#define RTLD_NEXT ((void*)-1)

typedef int (*clock_function)(int, struct wall_time*);
static clock_function real_clock;
static seconds_t offset;           /* added to the real wall clock */
static seconds_t last_file_epoch;  /* the file's number when it was last applied */
static seconds_t next_look;        /* monotonic second after which the file is read again */
static int next_look_ns;
static int started;

static seconds_t parse_seconds(const char* text, int* ok) {
  seconds_t value = 0;
  *ok = 0;
  for (; text && *text >= '0' && *text <= '9'; ++text) {
    value = value * 10 + (*text - '0');
    *ok = 1;
  }
  return value;
}

static void jump_to(seconds_t epoch) {
  struct wall_time now;
  if (real_clock(kRealtime, &now) == 0) {
    __atomic_store_n(&offset, epoch - now.seconds, __ATOMIC_RELAXED);
  }
}

static void look_at_file(void) {
  const char* path = getenv("MIREL_FAKE_EPOCH_FILE");
  struct wall_time now;
  char text[32];
  int fd, ok;
  long length;
  seconds_t epoch;
  if (!path || real_clock(kMonotonic, &now) != 0) {
    return;
  }
  if (now.seconds < next_look || (now.seconds == next_look && now.nanoseconds < next_look_ns)) {
    return;
  }
  next_look = now.seconds + (now.nanoseconds >= 950000000);
  next_look_ns = (int)((now.nanoseconds + 50000000) % 1000000000);
  fd = open(path, 0);
  if (fd < 0) {
    return;
  }
  length = read(fd, text, sizeof text - 1);
  close(fd);
  if (length <= 0) {
    return;
  }
  text[length] = 0;
  epoch = parse_seconds(text, &ok);
  if (ok && epoch != last_file_epoch) {
    last_file_epoch = epoch;
    jump_to(epoch);
  }
}

int EXPORTED_CLOCK(int clock, struct wall_time* time) {
  int result;
  if (!__atomic_load_n(&started, __ATOMIC_ACQUIRE)) {
    int ok;
    const seconds_t epoch = parse_seconds(getenv("MIREL_FAKE_EPOCH"), &ok);
    real_clock = (clock_function)dlsym(RTLD_NEXT, CLOCK_FUNCTION);
    if (ok) {
      jump_to(epoch);
    }
    __atomic_store_n(&started, 1, __ATOMIC_RELEASE);
  }
  result = real_clock(clock, time);
  if (result == 0 && (clock == kRealtime || clock == kRealtimeCoarse)) {
    look_at_file();
    time->seconds += __atomic_load_n(&offset, __ATOMIC_RELAXED);
  }
  return result;
}
