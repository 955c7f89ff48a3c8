program Primes;
{ Простые числа до N: решето Эратосфена.
  Вычеркиваем кратные каждого простого числа, начиная с его квадрата. }
const
  MaxN = 10000;
var
  composite: array[2..MaxN] of boolean;
  n, i, j, count: integer;
begin
  writeln('Простые числа (решето Эратосфена)');
  write('До какого числа искать (2..', MaxN, ')? ');
  readln(n);
  if n > MaxN then n := MaxN;
  for i := 2 to n do composite[i] := false;
  i := 2;
  while i * i <= n do
  begin
    if not composite[i] then
    begin
      j := i * i;
      while j <= n do
      begin
        composite[j] := true;   { j делится на i }
        j := j + i
      end
    end;
    i := i + 1
  end;
  count := 0;
  for i := 2 to n do
    if not composite[i] then
    begin
      write(i:6);
      count := count + 1;
      if count mod 10 = 0 then writeln
    end;
  writeln;
  writeln('Всего простых чисел: ', count);
  write('Нажмите Enter...');
  readln
end.
