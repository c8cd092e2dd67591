#!/bin/bash
# A stand-in worker for the converter's supervision tests: speaks the
# worker protocol and behaves as the task's out.VideoCodec says:
#   steps:N   N progress steps of 0.1 s, ending early on "stop"
#   deaf      ignores "stop" and keeps running
#   crash     dies of SIGSEGV after one progress line
#   fail      reports a failure
while IFS= read -r line; do
  case "$line" in
    out.VideoCodec=*) mode="${line#out.VideoCodec=}" ;;
    start) break ;;
  esac
done
echo "log $$ 5 scripted worker $mode"
case "$mode" in
  steps:*)
    total="${mode#steps:}"
    for ((i = 1; i <= total; i++)); do
      echo "progress $i 10 1 100 $((i * 1000)) $((i * 100000)) $((total * 100000))"
      if read -r -t 0.1 command && [ "$command" = stop ]; then
        echo "end stopped "
        exit 0
      fi
    done
    echo "end finished "
    ;;
  deaf)
    echo "progress 1 10 1 100 1000 100000 1000000"
    while true; do sleep 0.2; done
    ;;
  crash)
    echo "progress 1 10 1 100 1000 100000 1000000"
    echo "about to crash" >&2
    kill -SEGV $$
    ;;
  fail)
    echo "end failed Cannot decode 'x.avi' at 00:00:01: Invalid data"
    ;;
esac
