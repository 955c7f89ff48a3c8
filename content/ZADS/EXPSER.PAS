program ExpSeries;
{ Число e как сумма ряда 1 + 1/1! + 1/2! + 1/3! + ...
  Каждое слагаемое получаем из предыдущего делением на k. }
var
  k: integer;
  term, s: real;
begin
  writeln('Число e как сумма ряда');
  s := 1;
  term := 1;
  k := 0;
  repeat
    k := k + 1;
    term := term / k;     { 1/k! }
    s := s + term;
    writeln(k:3, ' слагаемых: ', s:14:10)
  until term < 1e-10;
  writeln('exp(1) =      ', exp(1):14:10);
  write('Нажмите Enter...');
  readln
end.
